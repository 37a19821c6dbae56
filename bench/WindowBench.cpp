// SPDX-License-Identifier: GPL-3.0-or-later
// The game window opened offscreen, against the sum of its floors: once with a bare window of its
// size, once with a window of the same widgets built plainly. The three steps of the opening are
// timed apart too, to show where its time goes.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "PlainGameWindow.h"
#include "RatioTable.h"
#include "WindowOpening.h"
#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <vector>

namespace
{

using namespace tarvelin;

const std::string kFigure = "open game window (10k files, 300 setups)";
const std::string kPlainFigure = "open game window vs its widgets built plainly (10k files)";

double elapsedUs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1000;
}

// The game window's controls and menus, read once off an open one.
const bench::PlainWindowPlan& plainPlan()
{
    static const bench::PlainWindowPlan plan = [] {
        const bench::OpenWindow open = bench::openGameWindow(bench::windowFixture().registry);
        return bench::planOf(*open.window);
    }();
    return plan;
}

// Each iteration opens the game window, then does the work that sets its floors: a bare window
// of its size shown and painted, a window of the same widgets built plainly, shown and painted, a
// plain readdir of its folder, a plain read of its store and a plain atomic write of those bytes
// as a backup. All meet the same load on this shared machine; the table takes the medians.
void gameWindowAgainstItsFloors(benchmark::State& state)
{
    const bench::WindowFixture& fixture = bench::windowFixture();
    const bench::PlainWindowPlan& plan = plainPlan();
    const std::string folder = fixture.folder.toStdString();
    const std::string store = fixture.store.toStdString();
    const std::string backup =
        (bench::scratchFolder() + QStringLiteral("/floor setups.bak")).toStdString();
    std::vector<double> window, floor, bare, listing, read, write, widgets, widgetsFloor;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        bench::OpenWindow open = bench::openGameWindow(fixture.registry);
        window.push_back(elapsedUs(timer));
        open.close();

        timer.restart();
        bench::OpenWindow plain = bench::openBareWindow(fixture.size);
        bare.push_back(elapsedUs(timer));
        plain.close();
        timer.restart();
        bench::OpenWindow same = bench::openPlainWindow(plan);
        widgets.push_back(elapsedUs(timer));
        same.close();
        timer.restart();
        benchmark::DoNotOptimize(bench::floor::listNames(folder));
        listing.push_back(elapsedUs(timer));
        timer.restart();
        const std::string bytes = bench::floor::readWhole(store);
        read.push_back(elapsedUs(timer));
        timer.restart();
        bench::floor::writeAtomically(backup, bytes);
        write.push_back(elapsedUs(timer));
        const double files = listing.back() + read.back() + write.back();
        floor.push_back(bare.back() + files);
        widgetsFloor.push_back(widgets.back() + files);
        state.SetIterationTime(window.back() / 1e6);
    }
    state.counters[bench::kMedianCounter] = bench::median(window);
    state.counters[bench::kFloorMedianCounter] = bench::median(floor);
    const std::string row = std::string(bench::kRowCounterPrefix) + "open game window floor: ";
    state.counters[row + "a bare window shown and painted"] = bench::median(bare);
    state.counters[row + "b readdir of the folder"] = bench::median(listing);
    state.counters[row + "c read of the store"] = bench::median(read);
    state.counters[row + "d atomic write of the backup"] = bench::median(write);
    state.counters[row + "e its widgets built plainly, shown and painted"] = bench::median(widgets);
    // The game window again, against b, c and d with e in place of a.
    const std::string plainRow = bench::kRowCounterPrefix + kPlainFigure;
    state.counters[plainRow] = bench::median(window);
    state.counters[plainRow + bench::kFloorSuffix] = bench::median(widgetsFloor);
}

enum class Step { Construct, OpeningSequence, ShowAndPaint };

// Runs `work`, timed only when `timed`.
template <class Work> void timedWhen(benchmark::State& state, bool timed, Work&& work)
{
    if (timed)
        state.ResumeTiming();
    work();
    if (timed)
        state.PauseTiming();
}

// Times one step of createGameWindow + show; the other steps run outside the timing.
void gameWindowStep(benchmark::State& state, Step step)
{
    const bench::WindowFixture& fixture = bench::windowFixture();
    const MessageRecorder noBoxes;
    for (auto _ : state) {
        state.PauseTiming();
        bench::OpenWindow open;
        open.registry = std::make_unique<Registry>(fixture.registry);
        std::unique_ptr<GameWindow> window;
        timedWhen(state, step == Step::Construct, [&] {
            window = std::make_unique<GameWindow>(DirtTrackRacingProfile, *open.registry,
                                                  bench::fixedServices());
        });
        timedWhen(state, step == Step::OpeningSequence, [&] { window->runOpeningSequence(); });
        timedWhen(state, step == Step::ShowAndPaint, [&] { bench::showAndPaint(*window); });
        open.window = std::move(window);
        open.close();
        state.ResumeTiming();
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark(kFigure.c_str(), gameWindowAgainstItsFloors)
        ->UseManualTime()
        ->MinTime(1.0) // enough openings for steady medians
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget(kFigure, {2.0, 0, {}});
    bench::setTarget(kPlainFigure, {1.3, 0, {}});
    bench::measure("open game window: 1 widgets built", gameWindowStep, Step::Construct);
    bench::measure("open game window: 2 opening sequence", gameWindowStep, Step::OpeningSequence);
    bench::measure("open game window: 3 shown and painted", gameWindowStep, Step::ShowAndPaint);
    return true;
}();

} // namespace
