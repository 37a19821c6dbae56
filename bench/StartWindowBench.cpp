// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartWindowBench.h"

#include "BenchFixtures.h"
#include "RatioTable.h"
#include "WindowOpening.h"
#include "core/app/HelpIndex.h"
#include "ui/art/Artwork.h"
#include "ui/session/WindowSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QPaintEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
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

// An X server of the bench's own, so that both windows are measured until they are on a screen,
// as a player sees them; without Xvfb, both children run offscreen.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        for (int number = 90; number < 190; ++number) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            if (QFileInfo::exists(socket) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            server_.start(xvfb, {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                                 QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                 QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            if (!server_.waitForStarted(5000))
                return;
            QElapsedTimer waited;
            waited.start();
            while (!QFileInfo::exists(socket) && waited.elapsed() < 10000 &&
                   server_.state() == QProcess::Running)
                QThread::msleep(20);
            if (QFileInfo::exists(socket))
                display_ = QStringLiteral(":%1").arg(number);
            return;
        }
    }
    ~VirtualDisplay()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            server_.waitForFinished(5000);
        }
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The children's picture cache is the bench's own; the first child fills it, as a
        // player's first start does.
        environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                           scratchFolder() + QStringLiteral("/start-window-cache"));
        if (!display_.isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), display_);
            environment.insert(QStringLiteral("TARVELIN_BENCH_CHILD_PLATFORM"),
                               QStringLiteral("xcb"));
        }
        return environment;
    }

private:
    QProcess server_;
    QString display_;
};

// One run of a child, in microseconds; negative when it failed. Its output in `output`.
double runChild(const QStringList& arguments, const QProcessEnvironment& environment,
                QByteArray& output)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.setProcessEnvironment(environment);
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
    const VirtualDisplay display;
    const QProcessEnvironment environment = display.environment();
    const QStringList start{QString::fromLatin1(kStartMode), windowFixture().registry};
    QByteArray size;
    if (runChild(start, environment, size) < 0 || size.split(' ').size() != 2) {
        state.SkipWithError("the start window did not paint");
        return;
    }
    const QStringList bare{QString::fromLatin1(kBareMode), QString::fromLatin1(size.split(' ')[0]),
                           QString::fromLatin1(size.split(' ')[1])};
    std::vector<double> started;
    std::vector<double> plain;
    for (auto _ : state) {
        QByteArray ignored;
        const double bareUs = runChild(bare, environment, ignored);
        const double startUs = bareUs < 0 ? -1 : runChild(start, environment, ignored);
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
