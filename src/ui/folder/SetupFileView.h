// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QStringList>

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

    // Shows `names` in their order, with no file selected.
    void showFiles(const QStringList& names);
    int count() const;
    // -1 when no file is selected.
    int selectedIndex() const;
    QString selectedName() const;
    QString nameAt(int index) const;
    const QStringList& names() const;
    // Chooses the file named `name` again after a new listing, quietly: it was already the
    // player's choice. Returns false when no file has that name.
    bool selectName(const QString& name);

Q_SIGNALS:
    // The player picked the file at `index`, by mouse or keyboard.
    void fileClicked(int index);
    // The player took the choice away (a click beside the names, Ctrl+click on the chosen
    // file): no file is shown chosen any more. A new listing reports nothing.
    void choiceCleared();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Focus arriving (Tab, the window's activation, a menu closing) chooses no file, and leaves
    // no file current either, so that the first arrow key picks the first file.
    void focusInEvent(QFocusEvent* event) override;

private:
    QStringListModel* model_;
    QStringList names_; // as listed, for comparing with a new listing without the model's copy
    bool listing_ = false;
};

} // namespace tarvelin
