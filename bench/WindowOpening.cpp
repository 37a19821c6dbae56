// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowOpening.h"

#include "BenchFixtures.h"
#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "core/store/StoreLayout.h"
#include "core/store/StorePaths.h"
#include "support/FakeAddressSource.h"
#include "support/FakeClock.h"
#include "support/FakeVolumeTable.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>

namespace bench
{

const tarvelin::GameWindowServices& fixedServices()
{
    static const tarvelin::FakeVolumeTable volumes({{QStringLiteral("/"), true}});
    static const tarvelin::FakeAddressSource address(QStringLiteral("192.168.1.20"));
    static const tarvelin::FakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(20, 15)));
    static const tarvelin::GameWindowServices all = [] {
        tarvelin::GameWindowServices services;
        services.volumes = &volumes;
        services.address = &address;
        services.clock = &clock;
        return services;
    }();
    return all;
}

void showAndPaint(QMainWindow& window)
{
    window.show();
    // The offscreen platform exposes the window through the event queue; the paint follows.
    QApplication::processEvents();
}

OpenWindow::OpenWindow() = default;
OpenWindow::OpenWindow(OpenWindow&&) noexcept = default;
OpenWindow::~OpenWindow() = default;

void OpenWindow::close()
{
    window.reset();
    registry.reset();
}

namespace
{

QString windowGameDirectory()
{
    static const QString game =
        gameDirectoryWith(QStringLiteral("window"), storeBytes(tarvelin::layout::kSlotCount));
    return game;
}

WindowFixture buildWindowFixture(int files, const QString& registryName)
{
    const QString game = windowGameDirectory();
    WindowFixture built;
    built.folder = setupFolder(files);
    built.registry = windowRegistry(game, built.folder, registryName);
    built.store = tarvelin::StorePaths::forGameDirectory(game).store;
    built.size = openGameWindow(built.registry).window->size();
    return built;
}

} // namespace

const WindowFixture& windowFixture()
{
    static const WindowFixture fixture = buildWindowFixture(10000, QStringLiteral("registry.reg"));
    return fixture;
}

const WindowFixture& largeFolderWindowFixture()
{
    static const WindowFixture fixture =
        buildWindowFixture(100000, QStringLiteral("registry-large-folder.reg"));
    return fixture;
}

OpenWindow openGameWindow(const QString& registryFile)
{
    // A message box would wait for a click that never comes; none is expected.
    static tarvelin::MessageRecorder noBoxes;
    OpenWindow open;
    open.registry = std::make_unique<tarvelin::Registry>(registryFile);
    open.window = tarvelin::createGameWindow(tarvelin::DirtTrackRacingProfile, *open.registry,
                                             fixedServices());
    showAndPaint(*open.window);
    return open;
}

OpenWindow openBareWindow(QSize size)
{
    OpenWindow open;
    open.window = std::make_unique<QMainWindow>();
    open.window->resize(size);
    showAndPaint(*open.window);
    return open;
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line; !(line = status.readLine()).isEmpty();) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

} // namespace bench
