// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin::cli
{

// A setup's name as one line of text output: control characters (C0, DEL and C1) are written as
// \n, \t, \r or \xNN, and a backslash as \\, so a name can neither start a line of its own nor
// send escape sequences to the terminal, and the escaped text still says which name it was.
QString escapedForOneLine(const QString& text);

// A message or a path for the terminal: each byte of a file name that is not UTF-8 as \xNN, the
// byte the file system holds, where it would otherwise have no character to show as.
QString terminalText(const QString& text);

} // namespace tarvelin::cli
