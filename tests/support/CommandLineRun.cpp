// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CommandLineRun.h"

#include "core/cli/CommandLine.h"

#include <QTextStream>

namespace fixture
{

int runCommandLine(const QStringList& arguments, QString& out, QString& err)
{
    out.clear();
    err.clear();
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code =
        tarvelin::cli::runCommand(tarvelin::cli::parseInvocation(arguments), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return code;
}

} // namespace fixture
