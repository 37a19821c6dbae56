// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QString;
class QWidget;

namespace tarvelin
{

// What a screen reader says of the utility's own controls, where Qt's interfaces say it otherwise:
// - a picture button is named by the caption it shows, else by the name its creator gave;
// - a clickable label is a link, named by the text it shows (its purpose is the description);
// - a drop-down is named by what it holds; Qt on Linux names it by the line it shows, which
//   tells a player "/" where "Drive" is meant.
// No description repeats its control's name. Null when `widget` is none of these.
QAccessibleInterface* controlInterface(QWidget* widget);

// `description` unless it says no more than `name` (one holds the other, letter case aside).
QString descriptionBeside(const QString& name, const QString& description);

} // namespace tarvelin
