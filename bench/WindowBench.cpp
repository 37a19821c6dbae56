// The game window opened offscreen, against a bare main window of the same size. The three
// steps of the opening are timed apart too, to show where its time goes.
#include "RatioTable.h"
#include "WindowOpening.h"
#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"

#include <QMainWindow>

namespace
{

using namespace tarvelin;

const std::string kFigure = "open game window (10k files, 300 setups)";

void closeOutsideTiming(benchmark::State& state, bench::OpenWindow& open)
{
    state.PauseTiming();
    open.close();
    state.ResumeTiming();
}

void gameWindow(benchmark::State& state)
{
    const bench::WindowFixture& fixture = bench::windowFixture();
    for (auto _ : state) {
        bench::OpenWindow open = bench::openGameWindow(fixture.registry);
        closeOutsideTiming(state, open);
    }
}

void bareWindow(benchmark::State& state)
{
    const QSize size = bench::windowFixture().size;
    for (auto _ : state) {
        bench::OpenWindow open = bench::openBareWindow(size);
        closeOutsideTiming(state, open);
    }
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
    bench::measure(kFigure, gameWindow);
    bench::measure(kFigure + bench::kFloorSuffix, bareWindow);
    bench::setTarget(kFigure, {2.0, 0, {}});
    bench::measure("open game window: 1 widgets built", gameWindowStep, Step::Construct);
    bench::measure("open game window: 2 opening sequence", gameWindowStep, Step::OpeningSequence);
    bench::measure("open game window: 3 shown and painted", gameWindowStep, Step::ShowAndPaint);
    return true;
}();

} // namespace
