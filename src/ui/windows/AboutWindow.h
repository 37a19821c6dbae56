// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/FormScroll.h"

#include <QDialog>

namespace tarvelin
{

class Registry;
class ProgramStarter;
class UrlOpener;

// The about window `dtrAbout`, modal over the game window that opened it: the product's name,
// version and credits, the mail link and the system information tool.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    AboutWindow(const Registry& registry, ProgramStarter& programs, UrlOpener& urls,
                FormScroll::SlidePace slidePace, QWidget* owner);

    // The close button: slide off to the left, then close.
    void closeBySliding();
    // VBUSoftButton2.
    void startSystemInformation();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildHeader();
    void buildCredits();
    void buildFooter();
    void fillLabels();

    const Registry& registry_;
    ProgramStarter& programs_;
    UrlOpener& urls_;
    FormScroll::SlidePace slidePace_;
};

} // namespace tarvelin
