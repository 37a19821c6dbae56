// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace tarvelin
{

// A list in which only the player chooses a line: a left click on it, or a key that moves the
// line cursor while the list has the focus. The focus arriving (the window opening or being
// activated again, Tab, a menu closing) chooses nothing and leaves no line current, where a
// plain QListWidget would make the first line current and report it as a change.
class ChoiceList : public QListWidget
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent = nullptr);

Q_SIGNALS:
    // The player chose the line at `row`.
    void lineChosen(int row);
    // The player took the choice away (a click beside the lines, Ctrl+click on the chosen line):
    // no line is shown chosen any more, so none may stay chosen behind the screen. Changes made
    // with the list's signals blocked report nothing.
    void choiceCleared();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvelin
