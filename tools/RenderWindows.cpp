// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the utility on the demo data into PNG files, offscreen. Nothing is
// started and no link is opened: the platform services are stand-ins that only record.

#include "core/demo/DemoData.h"
#include "core/game/GameProfile.h"
#include "core/platform/Beeper.h"
#include "core/platform/DriveTable.h"
#include "core/platform/Mixer.h"
#include "core/platform/ProgramStarter.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/historywindow/HistoryWindow.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <QWidget>

namespace
{

class NothingStarts final : public tarvelin::ProgramStarter
{
public:
    bool startDetached(const QString&, const QStringList&) override { return false; }
    bool startInWine(const QString&, const QStringList&, const QString&,
                     const tarvelin::WineSetup&) override
    {
        return false;
    }
};

// A sound card whose volume control takes every level, so the window shows its normal state.
class QuietMixer final : public tarvelin::Mixer
{
public:
    bool open() override { return true; }
    bool findVolumeControl() override { return true; }
    bool setLevel(quint32) override { return true; }
    void close() override {}
};

class NoBeep final : public tarvelin::Beeper
{
public:
    void beep() override {}
};

class NoDrives final : public tarvelin::DriveTable
{
public:
    QStringList opticalDrives() const override { return {}; }
    QString mountPoint(const QString&) const override { return {}; }
    QStringList discImageRoots() const override { return {}; }
};

bool save(QWidget* window, const QString& folder, const QString& name, QTextStream& err)
{
    if (!window) {
        err << "not rendered (the window is not available yet): " << name << Qt::endl;
        return false;
    }
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    if (!window->grab().save(path)) {
        err << "could not write " << path << Qt::endl;
        return false;
    }
    err << "wrote " << path << Qt::endl;
    return true;
}

// The history window of `game` after a sort and a delete, the older of the two kept stores
// selected so that its preview shows.
QWidget* historyAfterTwoChanges(tarvelin::Navigator& navigator, QWidget* window)
{
    auto* game = qobject_cast<tarvelin::GameWindow*>(window);
    if (!game)
        return nullptr;
    const tarvelin::RecordLayout layout = game->profile().recordLayout();
    tarvelin::sortStore(game->gameDirectory(), layout);
    tarvelin::deleteSetup({.gameDirectory = game->gameDirectory(),
                           .layout = layout,
                           .setupChosen = true,
                           .selectedSlot = 2});
    auto* history =
        qobject_cast<tarvelin::HistoryWindow*>(navigator.showHistoryWindow(game->profile(), game));
    if (!history)
        return nullptr;
    QTreeWidget* list = history->controls().keptStoreList;
    if (QTreeWidgetItem* older = list->topLevelItem(list->topLevelItemCount() - 1))
        older->setSelected(true);
    return history;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QApplication::arguments();
    const QString output = arguments.size() > 1 ? arguments[1] : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(output)) {
        err << "cannot make " << output << Qt::endl;
        return 1;
    }
    QTemporaryDir scratch;
    // The demo's backup history stays in the scratch folder, out of the player's home.
    qputenv("XDG_STATE_HOME", scratch.filePath(QStringLiteral("state")).toLocal8Bit());
    const tarvelin::DemoData demo = tarvelin::buildDemo(scratch.filePath(QStringLiteral("demo")));
    if (demo.registryFile.isEmpty()) {
        err << "the demo data could not be written" << Qt::endl;
        return 1;
    }

    tarvelin::Registry registry(demo.registryFile);
    NothingStarts programs;
    tarvelin::RecordingUrlOpener urls;
    tarvelin::MessageRecorder messages;
    // The platform outlives the navigator, whose windows use it until they are deleted.
    QuietMixer mixer;
    NoBeep beeper;
    NoDrives drives;
    tarvelin::ShellPlatform platform{&mixer, &beeper, &drives};
    tarvelin::Navigator navigator({&registry, &programs, &urls,
                                   QStringLiteral(TARVELIN_HELP_SOURCE),
                                   tarvelin::FormScroll::kInstantSlide});
    tarvelin::installWindowFactories(navigator, platform);
    navigator.setQuitFunction([] {});

    bool all = true;
    QWidget* start = navigator.showStart();
    all &= save(start, output, QStringLiteral("start-window.png"), err);
    all &= save(navigator.showDirectories(start), output, QStringLiteral("directories.png"), err);
    all &= save(navigator.showVolume(start), output, QStringLiteral("volume.png"), err);

    QWidget* aboutOwner = start;
    for (const tarvelin::GameProfile* profile :
         {&tarvelin::DirtTrackRacingProfile, &tarvelin::SprintCarsProfile}) {
        QWidget* game = navigator.showGame(*profile);
        all &=
            save(game, output, profile->windowName.toLower() + QStringLiteral("-window.png"), err);
        if (game) {
            aboutOwner = game;
            all &= save(navigator.showStoreWindow(*profile, game), output,
                        profile->storeWindowName.toLower() + QStringLiteral(".png"), err);
            if (profile == &tarvelin::DirtTrackRacingProfile)
                all &= save(historyAfterTwoChanges(navigator, game), output,
                            QStringLiteral("dtr-history.png"), err);
        }
    }
    tarvelin::AboutWindow* about = navigator.showAbout(aboutOwner);
    all &= save(about, output, QStringLiteral("about.png"), err);
    about->close();

    all &= save(navigator.showHelpContents(), output, QStringLiteral("help-contents.png"), err);
    all &= save(navigator.showHelpSearch(), output, QStringLiteral("help-search.png"), err);
    return all ? 0 : 2;
}
