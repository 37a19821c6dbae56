// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

namespace tarvelin
{

// What a screen reader needs beyond Qt's own accessible interfaces. installAccessibility() must
// run once, before the first window is shown, so that the interfaces below are the ones created.

// `value` shows a number or a name beside the visible `caption`: a screen reader reads both
// ("Total Setups: 5"), and hears of the change whenever the value's text changes. Call it before
// the label is given its first text: Qt may make the label's interface at that moment.
void readWithCaption(QLabel* value, const QString& caption);

// A control that holds a value for the program but is never shown: it is left out of the
// accessibility tree and of the Tab chain.
void keepOutOfSight(QWidget* widget);

// The interfaces: value labels read with their caption, the utility's own top-level windows as
// frames, and what is kept out of sight left out of its parent's children.
void installAccessibility();

} // namespace tarvelin
