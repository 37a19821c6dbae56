#include "core/cli/Invocation.h"

namespace tarvelin::cli
{

namespace
{

// Options that take a value, and where the value goes.
struct ValueOption {
    QLatin1StringView name;
    QString Invocation::*target;
};

constexpr ValueOption kValueOptions[] = {
    {QLatin1StringView("--game"), &Invocation::game},
    {QLatin1StringView("--registry"), &Invocation::registryFile},
    {QLatin1StringView("--game-dir"), &Invocation::gameDirectory},
    {QLatin1StringView("--wine-prefix"), &Invocation::winePrefix},
    {QLatin1StringView("--slot"), &Invocation::slot},
    {QLatin1StringView("--to"), &Invocation::to},
};

struct FlagOption {
    QLatin1StringView name;
    bool Invocation::*target;
};

constexpr FlagOption kFlagOptions[] = {
    {QLatin1StringView("--json"), &Invocation::json},
    {QLatin1StringView("--dword"), &Invocation::dword},
    {QLatin1StringView("--dry-run"), &Invocation::dryRun},
    {QLatin1StringView("--delete"), &Invocation::deleteAfter},
    {QLatin1StringView("--demo"), &Invocation::demo},
    {QLatin1StringView("--version"), &Invocation::version},
    {QLatin1StringView("--help"), &Invocation::help},
    {QLatin1StringView("-h"), &Invocation::help},
};

bool takeOption(Invocation& invocation, const QStringList& arguments, qsizetype& i)
{
    const QString& argument = arguments.at(i);
    for (const ValueOption& option : kValueOptions) {
        if (argument == option.name) {
            if (i + 1 >= arguments.size()) {
                invocation.usageError = QStringLiteral("%1 needs a value").arg(option.name);
                return true;
            }
            invocation.*option.target = arguments.at(++i);
            return true;
        }
        const QString withEquals = option.name + QLatin1Char('=');
        if (argument.startsWith(withEquals)) {
            invocation.*option.target = argument.mid(withEquals.size());
            return true;
        }
    }
    for (const FlagOption& option : kFlagOptions) {
        if (argument == option.name) {
            invocation.*option.target = true;
            return true;
        }
    }
    return false;
}

} // namespace

Invocation parseInvocation(const QStringList& arguments)
{
    Invocation invocation;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && invocation.usageError.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (!takeOption(invocation, arguments, i))
                invocation.usageError = QStringLiteral("unknown option %1").arg(argument);
            continue;
        }
        if (invocation.command.isEmpty())
            invocation.command = argument;
        else
            invocation.arguments << argument;
    }
    if (invocation.usageError.isEmpty() && !invocation.game.isEmpty() &&
        invocation.game != QLatin1String("dtr") && invocation.game != QLatin1String("sc"))
        invocation.usageError =
            QStringLiteral("--game takes dtr or sc, not %1").arg(invocation.game);
    return invocation;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: tarvelin-setup-utility [--demo] [--registry FILE]\n"
        "       tarvelin-setup-utility COMMAND [options]\n"
        "\n"
        "Without a command the utility opens its windows; --demo first builds demo games and\n"
        "setup files in a scratch folder and opens the windows on them.\n"
        "\n"
        "Commands:\n"
        "  list --game G [--json]              list the setups in the game's store\n"
        "  backup --game G                     rewrite setups.bak from setups.sav\n"
        "  export --game G --slot K NAME DIR   export the setup in slot K to DIR/NAME.set|.dts\n"
        "                                      (left read-only; an existing read-only file\n"
        "                                      of that name is not written over)\n"
        "  import --game G FILE [--delete]     import a setup file into the first free slot;\n"
        "                                      the file is kept unless --delete\n"
        "  delete --game G --slot K            delete the setup in slot K, closing the gap\n"
        "  sort --game G                       sort the store by name (character codes)\n"
        "  restore --game G                    put setups.bak back as setups.sav\n"
        "  store-export --game G --to DIR      copy the whole store into DIR as\n"
        "                                      \"Dtr setups.sav\" or \"Sc setups.sav\"\n"
        "  store-import --game G FILE          replace the whole store by the copy FILE\n"
        "  rename-file --game G FILE NEWNAME   rename a setup file to NEWNAME.set|.dts\n"
        "  trash-file FILE                     move a setup file or a copy to the trash\n"
        "  registry get KEY NAME               print a registry value\n"
        "  registry set KEY NAME VALUE [--dword]\n"
        "                                      write a value, creating the key when missing\n"
        "  registry delete KEY NAME            delete a value\n"
        "  registry import-wine [--wine-prefix DIR] [--game G] [--dry-run]\n"
        "                                      show where Wine installed the games and, unless\n"
        "                                      --dry-run, write their Linux folders as the\n"
        "                                      game directories\n"
        "\n"
        "Options:\n"
        "  --game dtr|sc      Dirt Track Racing or Dirt Track Racing - Sprint Cars\n"
        "  --game-dir DIR     the game directory, instead of the one in the registry\n"
        "  --wine-prefix DIR  the Wine prefix that a game missing from the registry file is\n"
        "                     looked up in (default $WINEPREFIX, else ~/.wine)\n"
        "  --dry-run          import-wine: only show what would be written\n"
        "  --registry FILE    the registry file (default $TARVELIN_REGISTRY, else\n"
        "                     $XDG_CONFIG_HOME/tarvelin-setup-utility/registry.reg)\n"
        "  --slot K           a slot number, 1 to 300, as the second column of list shows\n"
        "  --delete           import: delete the setup file once it is in the store\n"
        "  --json             list as JSON\n"
        "  --to DIR           the folder store-export writes into\n"
        "  --version          print the version\n"
        "\n"
        "Exit codes: 0 success, 1 the command refused or failed, 2 wrong usage.\n");
}

} // namespace tarvelin::cli
