#include "StartWindowBench.h"

#include "RatioTable.h"
#include "WindowOpening.h"
#include "core/app/HelpIndex.h"
#include "ui/art/Artwork.h"
#include "ui/session/WindowSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPaintEvent>
#include <QProcess>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace bench
{

namespace
{

constexpr char kStartMode[] = "--first-paint-start";
constexpr char kBareMode[] = "--first-paint-bare";
const std::string kFigure = "start window, process start to first paint";

// Quits once a window has painted: the quit is queued, so the whole window's first paint, which
// Qt does in one go, is finished by then.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            painted_ = static_cast<QWidget*>(watched)->window();
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
    QWidget* painted() const { return painted_; }

private:
    QWidget* painted_ = nullptr;
};

int runUntilFirstPaint(const std::function<void()>& show)
{
    FirstPaint watcher;
    qApp->installEventFilter(&watcher);
    show();
    QApplication::exec();
    if (!watcher.painted())
        return 1;
    std::printf("%d %d\n", watcher.painted()->width(), watcher.painted()->height());
    return 0;
}

// One run of a child, in microseconds; negative when it failed. Its output in `output`.
double runChild(const QStringList& arguments, QByteArray& output)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return -1;
    const double us = static_cast<double>(timer.nsecsElapsed()) / 1000;
    output = child.readAllStandardOutput().trimmed();
    return us;
}

// Each iteration starts the bare window's process, then the start window's, so that both meet
// the same load on this shared machine; the table takes the medians of both.
void startWindow(benchmark::State& state)
{
    const QStringList start{QString::fromLatin1(kStartMode), windowFixture().registry};
    QByteArray size;
    if (runChild(start, size) < 0 || size.split(' ').size() != 2) {
        state.SkipWithError("the start window did not paint");
        return;
    }
    const QStringList bare{QString::fromLatin1(kBareMode), QString::fromLatin1(size.split(' ')[0]),
                           QString::fromLatin1(size.split(' ')[1])};
    std::vector<double> started;
    std::vector<double> plain;
    for (auto _ : state) {
        QByteArray ignored;
        const double bareUs = runChild(bare, ignored);
        const double startUs = bareUs < 0 ? -1 : runChild(start, ignored);
        if (startUs < 0) {
            state.SkipWithError("a window process failed");
            return;
        }
        plain.push_back(bareUs);
        started.push_back(startUs);
        state.SetIterationTime(startUs / 1e6);
    }
    state.counters[kMedianCounter] = median(started);
    state.counters[kFloorMedianCounter] = median(plain);
}

const bool registered = [] {
    benchmark::RegisterBenchmark(kFigure.c_str(), startWindow)
        ->UseManualTime()
        ->MinTime(2.0) // enough processes for steady medians
        ->Unit(benchmark::kMicrosecond);
    setTarget(kFigure, {1.3, 0, {}});
    return true;
}();

} // namespace

std::optional<int> runStartWindowChild(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kStartMode) == 0) {
        // As the program starts its windows: its icon, its session, the start window.
        QApplication::setWindowIcon(tarvelin::art::applicationIcon());
        tarvelin::WindowSession session(
            QString::fromLocal8Bit(argv[2]),
            tarvelin::findHelpDirectory(QCoreApplication::applicationDirPath()));
        return runUntilFirstPaint([&] { session.navigator().showStart(); });
    }
    if (argc == 4 && std::strcmp(argv[1], kBareMode) == 0) {
        QMainWindow window;
        window.resize(std::atoi(argv[2]), std::atoi(argv[3]));
        return runUntilFirstPaint([&] { window.show(); });
    }
    return std::nullopt;
}

} // namespace bench
