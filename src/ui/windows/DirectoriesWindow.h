// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/FormScroll.h"

#include <QWidget>

namespace tarvelin
{

class Registry;

// The directories window `Dir`: where each game is installed, read from the games' own registry
// keys when the window opens. It only shows; it writes nothing.
class DirectoriesWindow : public QWidget
{
    Q_OBJECT

public:
    DirectoriesWindow(const Registry& registry, FormScroll::SlidePace slidePace,
                      QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void closeBySliding();

    FormScroll::SlidePace slidePace_;
};

} // namespace tarvelin
