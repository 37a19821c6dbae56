// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

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

Q_SIGNALS:
    // The player picked the file at `index`, by mouse or keyboard.
    void fileClicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Focus arriving (Tab, the window's activation, a menu closing) chooses no file, and leaves
    // no file current either, so that the first arrow key picks the first file.
    void focusInEvent(QFocusEvent* event) override;

private:
    QStringListModel* model_;
};

} // namespace tarvelin
