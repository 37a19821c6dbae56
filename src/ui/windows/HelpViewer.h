// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app/HelpIndex.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace tarvelin
{

// The help viewer: the utility's HTML help with a contents list and a keyword search, in the
// manner of the Windows help the games' players know.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(const QString& helpDirectory, QWidget* parent = nullptr);

    // Help Contents: the contents page.
    void showContents();
    // Serch For Help On: the keyword search, opened with an empty keyword unless one is given.
    void showSearch(const QString& keyword = {});
    void openPage(const QString& file);

    QString currentPage() const;

private:
    void buildControls();
    void fillContents();
    void filterKeywords(const QString& typed);
    void openSelectedKeyword();

    QString directory_;
    QList<HelpTopic> topics_;
    QList<HelpKeyword> keywords_;
    QList<HelpKeyword> shownKeywords_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* keyword_ = nullptr;
    QListWidget* matches_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

} // namespace tarvelin
