// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramRun.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace fixture
{

Ran runProgram(const QString& program, const QStringList& arguments, const RunOptions& options)
{
    QProcess process;
    if (!options.folder.isEmpty())
        process.setWorkingDirectory(options.folder);
    if (!options.winePrefix.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        environment.insert(QStringLiteral("WINEPREFIX"), options.winePrefix);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    process.write(options.input);
    process.closeWriteChannel();
    Ran ran;
    ran.ended = process.waitForFinished(options.boundMs);
    if (!ran.ended) {
        process.kill();
        process.waitForFinished();
    }
    EXPECT_TRUE(ran.ended) << program.toStdString() << " " << arguments.join(' ').toStdString();
    ran.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = QString::fromUtf8(process.readAllStandardOutput());
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

} // namespace fixture
