// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QMainWindow;

namespace tarvelin
{
class Registry;
struct GameWindowServices;
} // namespace tarvelin

// The Dirt Track Racing game window opened offscreen on a full store, its remembered folder
// holding 10,000 setup files, with fixed stand-ins for the volumes, address and clock so that
// neither the network nor the machine's mounts weigh on it; and the bare window of its size.
namespace bench
{

struct WindowFixture {
    QString registry; // points the game at its store and remembers the folder of setup files
    QSize size;       // the game window's size, which the bare window takes
    QString store;    // the game's setups.sav
    QString folder;   // the remembered folder
};

// Built on first use: the game directory, the folder of 10,000 files and the registry file.
const WindowFixture& windowFixture();
// The same game, its remembered folder holding 100,000 files: the largest folder a player keeps.
const WindowFixture& largeFolderWindowFixture();

// A shown window; it closes when this goes.
struct OpenWindow {
    OpenWindow();
    OpenWindow(OpenWindow&&) noexcept;
    ~OpenWindow();
    void close(); // the window first: it uses the registry to the end
    std::unique_ptr<tarvelin::Registry> registry;
    std::unique_ptr<QMainWindow> window;
};

// The fixed volumes, address and clock the game window is given.
const tarvelin::GameWindowServices& fixedServices();

// Shows the window and lets it paint.
void showAndPaint(QMainWindow& window);

// Creates the window, shows it and lets it paint.
OpenWindow openGameWindow(const QString& registryFile);
OpenWindow openBareWindow(QSize size);

// The process's peak resident memory (VmHWM), in megabytes.
double peakMegabytes();

} // namespace bench
