// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tarvelin
{

// A Linux file name is bytes, not necessarily UTF-8. Qt converts names as UTF-8 and turns every
// byte that is not into U+FFFD, after which the file can never be reached again. Names the utility
// reads from the system are therefore decoded here instead: valid UTF-8 as text, and each byte of
// a sequence that is not valid UTF-8 as the lone low surrogate U+DC80..U+DCFF ("surrogate
// escape"), which encodes back to that very byte. Every path the utility hands to the system is
// encoded here, so that a name read from a folder names the same file again.
QByteArray encodeFileName(QStringView name);
QString decodeFileName(QByteArrayView bytes);

// A name or a text holding names as the player sees it: each escaped byte (and any other lone
// surrogate) as U+FFFD. Never a path again.
QString shownFileName(const QString& text);
// `typed`, a name the player may have edited starting from shownFileName(`original`), with each
// U+FFFD given back the unit it shows in `original`, in order, when it holds as many as the shown
// form does: a name left as shown, or edited around its unreadable bytes, names those same bytes
// again. Otherwise `typed` as it is.
QString restoreShownBytes(const QString& typed, const QString& original);
// The byte that the unit at `index` escapes, or -1 when it is text: for an escape of its own,
// such as the terminal's \xNN.
int escapedByteAt(QStringView text, qsizetype index);

} // namespace tarvelin
