// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/CommandLine.h"
#include "core/demo/DemoData.h"
#include "core/names/FileNameEncoding.h"
#include "ui/art/Artwork.h"
#include "ui/session/WindowSession.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <cstdio>

namespace
{

// Decoded as file names are, so that a path argument holding bytes that are not UTF-8 still names
// its file.
QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(tarvelin::decodeFileName(argv[i]));
    return arguments;
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("tarvelin-setup-utility"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVELIN_VERSION));
}

} // namespace

// A command keeps to the command line and needs no display. No command (or --demo alone): the
// windows, starting with the start window.
int main(int argc, char* argv[])
{
    tarvelin::cli::Invocation invocation = tarvelin::cli::parseInvocation(argumentsOf(argc, argv));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!invocation.startsWindows()) {
        QCoreApplication app(argc, argv);
        nameApplication();
        tarvelin::cli::setCommandLineLogging(invocation.has(tarvelin::cli::Option::Verbose));
        return tarvelin::cli::runCommand(invocation, out, err);
    }

    QApplication app(argc, argv);
    nameApplication();
    // No display name: Qt would append it to every window's and message box's title.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvelin-setup-utility"));
    QApplication::setWindowIcon(tarvelin::art::applicationIcon());
    if (invocation.has(tarvelin::cli::Option::Verbose))
        QLoggingCategory::setFilterRules(QStringLiteral("tarvelin.*=true"));
    QString registryFile = invocation.value(tarvelin::cli::Option::Registry);
    if (invocation.has(tarvelin::cli::Option::Demo)) {
        const tarvelin::DemoData demo = tarvelin::buildDemo(tarvelin::defaultDemoRoot());
        if (demo.registryFile.isEmpty()) {
            err << "The demo could not be written under " << demo.root << Qt::endl;
            return tarvelin::cli::kFailed;
        }
        registryFile = demo.registryFile;
        err << "Demo games and setup files are in " << demo.root << Qt::endl;
    }
    return tarvelin::runWindows(registryFile);
}
