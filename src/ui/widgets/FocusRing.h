// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QWidget;

namespace tarvelin
{

// A 2-pixel ring in `colour` drawn just outside `control` while it has the keyboard focus, for
// the controls whose own look shows the focus faintly or not at all (a scroll bar, a push button
// or a tab bar of the desktop's style). The ring lies over the control's parent, takes no clicks,
// and follows the control when it moves.
void ringOnFocus(QWidget* control, const QColor& colour);

} // namespace tarvelin
