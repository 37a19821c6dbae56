// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

namespace tarvelin
{

// A line of `view` whose text is cut by the view's width shows its whole text as a tooltip when
// the pointer rests on it; a line shown whole shows the view's own tooltip as before.
void showWholeNamesWhenCut(QAbstractItemView* view);

} // namespace tarvelin
