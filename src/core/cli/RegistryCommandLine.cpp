// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/RegistryCommandLine.h"

#include "core/cli/CommandReport.h"
#include "core/cli/GameResolution.h"
#include "core/game/GameProfile.h"
#include "core/registry/RegistryCommands.h"
#include "core/registry/WineImport.h"

#include <QJsonArray>
#include <QJsonObject>
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

QJsonValue jsonValue(const RegistryValue& value)
{
    if (const auto* number = std::get_if<qint32>(&value))
        return *number;
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    return {};
}

OrderedJson valueFields(const CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    return OrderedJson()
        .add("registry", context.registry.filePath())
        .add("key", args[0])
        .add("name", args[1]);
}

// What a dry run of set or delete says: the value as named, the file left as it was.
QString wouldLine(const CommandContext& context, const QString& what)
{
    const QStringList& args = context.invocation.arguments;
    return QStringLiteral("Dry run: \"%1\" under [HKEY_LOCAL_MACHINE\\%2] would be %3. %4 was "
                          "not changed.")
        .arg(args[1], args[0], what, context.registry.filePath());
}

// A dry run of set: the names are checked as the write checks them, and nothing is written.
CommandOutcome wouldSet(const CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    if (const QString problem = Registry::namesProblem(args[0], &args[1]); !problem.isEmpty())
        return refused(exclamation(
            QStringLiteral("%1 was not changed: %2.").arg(context.registry.filePath(), problem)));
    CommandOutcome outcome;
    outcome.done = true;
    return outcome;
}

int reportSet(CommandContext& context, const RegistryValue& value, RegistryType type)
{
    const QStringList& args = context.invocation.arguments;
    const CommandOutcome outcome =
        context.dryRun() ? wouldSet(context)
                         : setRegistryValue(context.registry, args[0], args[1], value, type);
    const QStringList lines =
        context.dryRun()
            ? QStringList{wouldLine(context, QStringLiteral("set to \"%1\"").arg(args[2]))}
            : QStringList{};
    return report(context, outcome, lines, valueFields(context).add("value", jsonValue(value)));
}

} // namespace

int runRegistryGet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const RegistryValueOutcome outcome = getRegistryValue(context.registry, args[0], args[1]);
    if (!context.json()) {
        if (const auto* number = std::get_if<qint32>(&outcome.value))
            context.out << *number << '\n';
        else if (const auto* text = std::get_if<QString>(&outcome.value))
            context.out << *text << '\n';
    }
    return report(context, outcome, {},
                  valueFields(context).add("value", jsonValue(outcome.value)));
}

int runRegistrySet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    if (!context.invocation.has(Option::Dword))
        return reportSet(context, args[2], RegistryType::String);
    bool ok = false;
    const qint32 number = args[2].toInt(&ok, 0);
    if (!ok)
        return wrongUsage(context,
                          QStringLiteral("--dword needs a whole number, not \"%1\"").arg(args[2]));
    return reportSet(context, number, RegistryType::Dword);
}

int runRegistryDelete(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    if (!context.dryRun())
        return report(context, deleteRegistryValue(context.registry, args[0], args[1]), {},
                      valueFields(context));
    // Deleting a value that is not there changes nothing, and is done all the same.
    const bool present = getRegistryValue(context.registry, args[0], args[1]).done;
    CommandOutcome outcome;
    outcome.done = true;
    return report(context, outcome,
                  {wouldLine(context, present ? QStringLiteral("deleted")
                                              : QStringLiteral("left as it is: it is not there"))},
                  valueFields(context));
}

int runRegistryImportWine(CommandContext& context)
{
    std::vector<const GameProfile*> games{&DirtTrackRacingProfile, &SprintCarsProfile};
    if (context.invocation.has(Option::Game))
        games = {&profileOf(context)};
    const WineImportOutcome outcome = importGameDirectoriesFromWine(
        context.registry, WinePrefixSources::ofThisProcess(givenWinePrefix(context), {}), games,
        context.invocation.has(Option::DryRun));
    if (context.json()) {
        QJsonArray found;
        for (const WineGameImport& game : outcome.games) {
            found.append(QJsonObject{{QStringLiteral("game"), game.profile->id},
                                     {QStringLiteral("prefix"), game.in.prefix},
                                     {QStringLiteral("windows_path"), game.found.windowsPath},
                                     {QStringLiteral("linux_path"), game.found.linuxPath},
                                     {QStringLiteral("written"), game.written}});
        }
        return report(context, outcome, {},
                      OrderedJson()
                          .add("registry", context.registry.filePath())
                          .add("prefix", givenWinePrefix(context))
                          .add("games", found));
    }
    if (!outcome.games.empty()) {
        for (const WineGameImport& game : outcome.games)
            printFound(context, game);
        context.out.flush();
    }
    return report(context, outcome);
}

} // namespace tarvelin::cli
