// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QStringList>
#include <vector>

class QStringListModel;

namespace tarvelin
{

// The file list (`File1`): file names only, one uniform row each, so a folder of a hundred
// thousand setups lists at once.
class SetupFileView : public QListView
{
    Q_OBJECT

public:
    explicit SetupFileView(QWidget* parent = nullptr);

    // Ctrl+click, Shift+click and Shift+arrows choose several files, and the chosen files can be
    // dragged out as file URLs of `folder()`. A plain click still chooses exactly one.
    void allowSeveral();
    // The folder the names are in, for the URLs a drag carries.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

    // Shows `names` in their order, with no file selected.
    void showFiles(const QStringList& names);
    int count() const;
    // The one chosen file; -1 when none or several are chosen.
    int selectedIndex() const;
    QString selectedName() const;
    // Every chosen file, in list order.
    QStringList selectedNames() const;
    QString nameAt(int index) const;
    const QStringList& names() const;
    // Chooses the file named `name` again after a new listing, quietly: it was already the
    // player's choice. Returns false when no file has that name.
    bool selectName(const QString& name);
    // As selectName for each of `names`; returns how many are chosen again.
    int selectNames(const QStringList& names);

Q_SIGNALS:
    // The player picked the file at `index`, by mouse or keyboard.
    void fileClicked(int index);
    // The player's click or key left `chosen` files chosen, two or more.
    void severalChosen(int chosen);
    // The player took the choice away (a click beside the names, Ctrl+click on the chosen
    // file): no file is shown chosen any more. A new listing reports nothing.
    void choiceCleared();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Focus arriving (Tab, the window's activation, a menu closing) chooses no file, and leaves
    // no file current either, so that the first arrow key picks the first file.
    void focusInEvent(QFocusEvent* event) override;

private:
    std::vector<int> selectedRows() const;
    // Tells what the player's click or key left chosen: one file, or several.
    void reportChoice();

    QString folder_;
    QStringListModel* model_;
    QStringList names_; // as listed, for comparing with a new listing without the model's copy
    bool listing_ = false;
};

} // namespace tarvelin
