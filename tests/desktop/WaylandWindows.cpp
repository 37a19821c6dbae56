// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of the utility once, on the demo data, through the same session the program
// builds, on whatever platform the run is given (the desktop lane gives it Wayland): each window
// must be shown, be handed to the compositor as its opener's own where the program cannot place
// it, and close on Escape, sliding as it does for the player. What goes wrong is printed and
// makes the exit status 1; a hang is caught by the caller's time bound.

#include "core/demo/DemoData.h"
#include "core/game/GameProfile.h"
#include "ui/session/Navigator.h"
#include "ui/session/WindowSession.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpViewer.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QWindow>

namespace
{

constexpr int kWaitMs = 5000;

// Counts the moves a window makes once shown: where the compositor places the windows the
// slide must leave it standing.
class MoveCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move)
            ++moves;
        return false;
    }
    int moves = 0;
};

class WindowRun
{
public:
    explicit WindowRun(QTextStream& err) : err_(err) {}

    // `window`, opened from `opener` (none: a window of its own), is on the screen.
    bool shown(QWidget* window, const char* name, QWidget* opener = nullptr)
    {
        if (!window || !QTest::qWaitForWindowExposed(window, kWaitMs))
            return fail(name, "was not shown");
        const QWindow* parent = window->windowHandle()->transientParent();
        const bool handedOver = opener && parent == opener->windowHandle();
        if (opener && !tarvelin::programPlacesWindows() && !handedOver)
            return fail(name, "is not transient for the window it was opened from");
        err_ << "shown: " << name << (opener ? " (over its opener)" : "") << Qt::endl;
        return true;
    }

    // Escape closes `window` (sliding it where it slides) and it moves only where it may.
    void closedByEscape(QWidget* window, const char* name)
    {
        if (!window)
            return;
        const QPointer<QWidget> guard(window);
        MoveCounter counter;
        window->installEventFilter(&counter);
        // A headless compositor has no keyboard to give the window the focus: it is given here,
        // as the player's click on it would.
        QApplication::setActiveWindow(window);
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        if (!QTest::qWaitFor([&] { return guard.isNull() || !guard->isVisible(); }, kWaitMs))
            fail(name, "did not close on Escape");
        else if (counter.moves > 0 && !tarvelin::programPlacesWindows())
            fail(name, "was moved where the compositor places the windows");
        else
            err_ << "closed: " << name << Qt::endl;
        if (guard)
            guard->removeEventFilter(&counter);
    }

    bool failed() const { return failed_; }

private:
    bool fail(const char* name, const char* what)
    {
        err_ << "FAILED: " << name << ' ' << what << Qt::endl;
        failed_ = true;
        return false;
    }

    QTextStream& err_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    err << "platform: " << QGuiApplication::platformName() << Qt::endl;
    QTemporaryDir scratch;
    qputenv("XDG_STATE_HOME", scratch.filePath(QStringLiteral("state")).toLocal8Bit());
    const tarvelin::DemoData demo = tarvelin::buildDemo(scratch.filePath(QStringLiteral("demo")));
    if (demo.registryFile.isEmpty()) {
        err << "the demo data could not be written" << Qt::endl;
        return 1;
    }
    // Message boxes (no sound card, say) are answered rather than waited on.
    tarvelin::MessageRecorder messages;
    tarvelin::WindowSession session(demo.registryFile, QStringLiteral(TARVELIN_HELP_SOURCE));
    tarvelin::Navigator& navigator = session.navigator();
    navigator.setQuitFunction([] {});
    WindowRun run(err);

    QWidget* start = navigator.showStart();
    if (!run.shown(start, "start"))
        return 1;
    QWidget* directories = navigator.showDirectories(start);
    if (run.shown(directories, "Directories", start))
        run.closedByEscape(directories, "Directories");
    QWidget* volume = navigator.showVolume(start);
    if (run.shown(volume, "Volume", start))
        run.closedByEscape(volume, "Volume");

    // A window outliving the window it was opened over: the start window gives way to a game.
    directories = navigator.showDirectories(start);
    if (run.shown(directories, "Directories over a start window that closes", start)) {
        navigator.chooseGame(tarvelin::DirtTrackRacingProfile);
        run.closedByEscape(directories, "Directories after its start window");
    }

    for (const tarvelin::GameProfile* profile :
         {&tarvelin::DirtTrackRacingProfile, &tarvelin::SprintCarsProfile}) {
        const QByteArray name = profile->windowName.toLatin1();
        QWidget* game = navigator.showGame(*profile);
        if (!run.shown(game, name.constData()))
            continue;
        QWidget* store = navigator.showStoreWindow(*profile, game);
        if (run.shown(store, "Import And Export", game))
            run.closedByEscape(store, "Import And Export");
        QWidget* history = navigator.showHistoryWindow(*profile, game);
        if (run.shown(history, "history", game))
            run.closedByEscape(history, "history");
        QWidget* help = navigator.showHelpContents({}, game);
        if (run.shown(help, "Help", game))
            run.closedByEscape(help, "Help");
        QWidget* about = navigator.showAbout(game);
        if (run.shown(about, "About", game))
            run.closedByEscape(about, "About");
        game->close();
        err << "closed: " << name << Qt::endl;
    }
    start = navigator.showStart();
    if (run.shown(start, "start again"))
        start->close();
    return run.failed() ? 1 : 0;
}
