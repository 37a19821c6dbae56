#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin::cli
{

// The command line as the user wrote it. Options may come before or after the subcommand.
struct Invocation {
    QString command;          // empty: start the windows
    QStringList arguments;    // what follows the subcommand, options removed
    QString game;             // --game dtr|sc
    QString registryFile;     // --registry FILE
    QString gameDirectory;    // --game-dir DIR, used instead of the registry
    QString winePrefix;       // --wine-prefix DIR
    QString slot;             // --slot K
    QString to;               // --to DIR (store-export)
    bool json = false;        // --json
    bool dword = false;       // --dword (registry set)
    bool dryRun = false;      // --dry-run
    bool deleteAfter = false; // --delete (import)
    bool demo = false;        // --demo
    bool version = false;     // --version
    bool help = false;        // --help
    QString usageError;       // set when the line cannot be understood

    bool startsWindows() const
    {
        return command.isEmpty() && !version && !help && usageError.isEmpty();
    }
};

Invocation parseInvocation(const QStringList& arguments);

QString usageText();

} // namespace tarvelin::cli
