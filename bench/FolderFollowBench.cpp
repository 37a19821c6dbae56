// SPDX-License-Identifier: GPL-3.0-or-later
// The game window following a folder of 100,000 setup files that keeps receiving more, one by
// one, a thousand a second: the longest time its event loop is kept from running is the figure.
// Its floor is the longest gap of the same loop with the window open on the folder at rest.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "WindowOpening.h"
#include "core/platform/FileIO.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

namespace
{

const std::string kFigure = "longest event-loop block, 100k-file folder receiving 1000 files/s";
constexpr int kArriving = 3000; // three seconds of files arriving
constexpr int kFolderFiles = 100000;

// Runs the event loop for `duration`, ticking every millisecond, and returns the longest time
// between two ticks (microseconds): how long the loop was kept from running.
double longestGap(std::chrono::milliseconds duration)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    while (clock.elapsed() < duration.count())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return double(longest) / 1000;
}

void followFillingFolder(benchmark::State& state)
{
    const bench::WindowFixture& fixture = bench::largeFolderWindowFixture();
    const tarvelin::MessageRecorder noBoxes;
    const std::string bytes(1240, 'x');
    for (auto _ : state) {
        bench::OpenWindow open = bench::openGameWindow(fixture.registry);
        auto* files = open.window->findChild<tarvelin::SetupFileView*>(QStringLiteral("File1"));
        const double atRest = longestGap(std::chrono::milliseconds(1000));

        std::atomic<bool> done = false;
        std::thread writer([&] {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kArriving; ++i) {
                std::this_thread::sleep_until(start + std::chrono::milliseconds(i));
                bench::floor::writePlain(
                    (fixture.folder + QStringLiteral("/arrived %1.set").arg(i)).toStdString(),
                    bytes);
            }
            done = true;
        });
        const double filling = longestGap(std::chrono::milliseconds(kArriving + 1000));
        writer.join();
        const bool followed = files && files->names().size() == kFolderFiles + kArriving;
        for (int i = 0; i < kArriving; ++i)
            tarvelin::removeFile(fixture.folder + QStringLiteral("/arrived %1.set").arg(i));
        open.close();
        if (!followed || !done)
            state.SkipWithError("the file list did not follow the folder");
        state.counters[bench::kMedianCounter] = filling;
        state.counters[bench::kFloorMedianCounter] = atRest;
        state.SetIterationTime(filling / 1e6);
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark(kFigure.c_str(), followFillingFolder)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget(kFigure, {0, 50000, {}});
    return true;
}();

} // namespace
