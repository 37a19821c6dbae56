// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace fixture
{

// Runs the command line in process on `arguments`, as the executable would, with what it prints
// on standard output in `out` and on standard error in `err` (both emptied first); its exit code.
int runCommandLine(const QStringList& arguments, QString& out, QString& err);

} // namespace fixture
