// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fixture
{

struct Ran {
    bool ended = false; // within the bound; a program still running then is killed
    int exitCode = -1;  // -1 when it crashed or was killed
    QString out;
    QString err;
};

struct RunOptions {
    QByteArray input = {};   // written to its standard input, which is then closed
    QString folder = {};     // its working folder, when not empty
    QString winePrefix = {}; // WINEPREFIX, when not empty; QT_LOGGING_RULES is then left out too
    int boundMs = 30000;
};

// Runs `program` to its end, or kills it at the bound (a test failure).
Ran runProgram(const QString& program, const QStringList& arguments,
               const RunOptions& options = {});

} // namespace fixture
