// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeakMemory.h"

#include "RatioTable.h"
#include "WindowOpening.h"

#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace bench
{

namespace
{

constexpr char kGameMode[] = "--peak-memory-game";
constexpr char kBareMode[] = "--peak-memory-bare";
constexpr double kMaxMegabytes = 60;

double childPeak(const char* executable, const QStringList& arguments)
{
    QProcess child;
    child.start(QString::fromLocal8Bit(executable), arguments);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "peak memory: %s\n", child.readAllStandardError().constData());
        return 0;
    }
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

std::optional<int> runPeakMemoryChild(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kGameMode) == 0) {
        const OpenWindow open = openGameWindow(QString::fromLocal8Bit(argv[2]));
        std::printf("%.2f\n", peakMegabytes());
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], kBareMode) == 0) {
        const OpenWindow open = openBareWindow(QSize(std::atoi(argv[2]), std::atoi(argv[3])));
        std::printf("%.2f\n", peakMegabytes());
        return 0;
    }
    return std::nullopt;
}

void recordPeakMemory(const char* executable)
{
    const WindowFixture& fixture = largeFolderWindowFixture();
    const double game = childPeak(executable, {QString::fromLatin1(kGameMode), fixture.registry});
    const double bare = childPeak(executable, {QString::fromLatin1(kBareMode),
                                               QString::number(fixture.size.width()),
                                               QString::number(fixture.size.height())});
    recordMegabytes("peak memory, 100,000 files listed (VmHWM)", game, bare, kMaxMegabytes);
}

} // namespace bench
