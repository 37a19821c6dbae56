// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

namespace tarvelin
{

// What a screen reader needs beyond Qt's own accessible interfaces. installAccessibility() must
// run once, before the first window is shown, so that the interfaces below are the ones created.

// `value` shows a number or a name beside its visible `caption`: a screen reader reads the two
// as one ("Total Setups: 5"), once, and hears of the change whenever the value's text changes.
// The caption is left out of the tree, or it would be read a second time on its own. Call it
// before the label is given its first text: Qt may make the label's interface at that moment.
void readWithCaption(QLabel* value, QLabel* caption);

// `control` (a list, a field) is named by the visible `caption` beside it, less a closing colon
// or stop; the caption is left out of the tree for the same reason.
void nameByCaption(QWidget* control, QLabel* caption);

// A picture or a line that carries nothing to read (a background, a divider, a frame's border):
// it stays on the screen, out of the accessibility tree. A frame or a label with neither text
// nor name is left out without being told.
void leaveOutOfTree(QWidget* decoration);

// A control that holds a value for the program but is never shown: it is left out of the
// accessibility tree and of the Tab chain.
void keepOutOfSight(QWidget* widget);

// The interfaces: value labels read with their caption, the utility's own windows as frames
// and dialogs whose children leave out what is kept out of the tree, and the controls of
// AccessibleControls.h.
void installAccessibility();

} // namespace tarvelin
