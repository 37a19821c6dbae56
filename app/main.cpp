#include "cli/CommandLine.h"
#include "cli/DemoData.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// No command: the windows (on the demo data with --demo). A command: the command line.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    tarvelin::cli::Invocation invocation = tarvelin::cli::parseInvocation(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!invocation.startsWindows())
        return tarvelin::cli::runCommand(invocation, out, err);

    if (invocation.demo) {
        const tarvelin::DemoData demo = tarvelin::buildDemo(tarvelin::defaultDemoRoot());
        if (demo.registryFile.isEmpty()) {
            err << "The demo could not be written under " << demo.root << Qt::endl;
            return tarvelin::cli::kFailed;
        }
        invocation.registryFile = demo.registryFile;
        err << "Demo games and setup files are in " << demo.root << Qt::endl;
    }
    // The windows are not built yet: show what they would list.
    int exitCode = tarvelin::cli::kSuccess;
    for (const char* game : {"dtr", "sc"}) {
        tarvelin::cli::Invocation list = invocation;
        list.command = QStringLiteral("list");
        list.game = QString::fromLatin1(game);
        out << "== " << game << " ==" << Qt::endl;
        exitCode = std::max(exitCode, tarvelin::cli::runCommand(list, out, err));
    }
    return exitCode;
}
