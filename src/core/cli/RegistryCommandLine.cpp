#include "core/cli/RegistryCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/GameResolution.h"
#include "core/game/GameProfile.h"
#include "core/registry/RegistryCommands.h"
#include "core/registry/WineImport.h"

#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

// One line for each prefix that holds the game: where Wine installed it, where that folder is on
// Linux, and the prefix.
void printFound(CommandContext& context, const WineGameImport& game)
{
    QTextStream& out = context.out;
    if (game.search.holding.empty())
        out << game.profile->gameTitle << ": not installed in any Wine prefix looked at\n";
    for (const WinePrefixFind& find : game.search.holding) {
        out << game.profile->gameTitle << ": ";
        if (find.found.linuxPath.isEmpty())
            out << find.found.windowsPath << " (not found on disk)";
        else
            out << find.found.windowsPath << " -> " << find.found.linuxPath;
        out << " in " << find.place.prefix << " (" << find.place.origin << ")\n";
    }
}

} // namespace

int runRegistryGet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const RegistryValueOutcome outcome = getRegistryValue(context.registry, args[0], args[1]);
    if (const auto* number = std::get_if<qint32>(&outcome.value))
        context.out << *number << '\n';
    else if (const auto* text = std::get_if<QString>(&outcome.value))
        context.out << *text << '\n';
    return report(context, outcome);
}

int runRegistrySet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    if (!context.invocation.has(Option::Dword))
        return report(context, setRegistryValue(context.registry, args[0], args[1], args[2],
                                                RegistryType::String));
    bool ok = false;
    const qint32 number = args[2].toInt(&ok, 0);
    if (!ok)
        return wrongUsage(context,
                          QStringLiteral("--dword needs a whole number, not \"%1\"").arg(args[2]));
    return report(
        context, setRegistryValue(context.registry, args[0], args[1], number, RegistryType::Dword));
}

int runRegistryDelete(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    return report(context, deleteRegistryValue(context.registry, args[0], args[1]));
}

int runRegistryImportWine(CommandContext& context)
{
    std::vector<const GameProfile*> games{&DirtTrackRacingProfile, &SprintCarsProfile};
    if (context.invocation.has(Option::Game))
        games = {&profileOf(context)};
    const WineImportOutcome outcome = importGameDirectoriesFromWine(
        context.registry, WinePrefixSources::ofThisProcess(givenWinePrefix(context), {}), games,
        context.invocation.has(Option::DryRun));
    if (!outcome.games.empty()) {
        for (const WineGameImport& game : outcome.games)
            printFound(context, game);
        context.out.flush();
    }
    return report(context, outcome);
}

} // namespace tarvelin::cli
