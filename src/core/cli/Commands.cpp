#include "core/cli/Commands.h"

#include "core/Logging.h"
#include "core/cli/CommandLine.h"
#include "core/cli/TerminalText.h"
#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/platform/Trash.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StoreOpening.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

int fail(CommandContext& context, const QString& why)
{
    context.err << terminalText(why) << Qt::endl;
    return kFailed;
}

// A problem that only the command itself can see in its arguments.
int wrongUsage(CommandContext& context, const QString& why)
{
    const std::string_view name = context.invocation.command->name;
    context.err << QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())) << ": "
                << why << "; see --help" << Qt::endl;
    return kWrongUsage;
}

const GameProfile& profileOf(const CommandContext& context)
{
    return *profileById(context.invocation.value(Option::Game));
}

QString winePrefix(const CommandContext& context)
{
    const QString prefix = context.invocation.value(Option::WinePrefix);
    return prefix.isEmpty() ? defaultWinePrefix() : prefix;
}

// What every store command needs: the game and where its store lies.
struct GameContext {
    const GameProfile* profile = nullptr;
    QString gameDirectory;
    StorePaths paths{};
};

// The game directory: --game-dir, else the registry file, else the Wine prefix. Nothing, with
// the player told where to point the utility, when none holds the game.
std::optional<GameContext> resolveGame(CommandContext& context)
{
    GameContext game{.profile = &profileOf(context),
                     .gameDirectory = context.invocation.value(Option::GameDir)};
    if (game.gameDirectory.isEmpty())
        game.gameDirectory =
            lookUpGameDirectory(*game.profile, context.registry, winePrefix(context));
    game.paths = StorePaths::forGameDirectory(game.gameDirectory);
    if (game.paths.isValid())
        return game;
    fail(context,
         QStringLiteral("No game directory for %1: the registry file %2 has no "
                        "\"%3\" under [HKEY_LOCAL_MACHINE\\%4], and the Wine prefix "
                        "%5 does not hold the game. Point the utility at the game with "
                        "--game-dir DIR, --wine-prefix DIR or \"registry set\".")
             .arg(game.profile->gameTitle, context.registry.filePath(),
                  game.profile->DirectoryValueName, game.profile->GameKey, winePrefix(context)));
    return std::nullopt;
}

// Prints the messages a window would show; 0 when the command did what was asked.
int report(CommandContext& context, bool done, const std::vector<Message>& messages,
           const QString& detail)
{
    // The reason behind the messages, for --verbose; printed as the reason only when the
    // command has no message of its own.
    if (!detail.isEmpty())
        qCInfo(lcCommandLine).noquote() << detail;
    for (const Message& message : messages)
        context.err << terminalText(message.text) << Qt::endl;
    if (!done && messages.empty() && !detail.isEmpty())
        context.err << terminalText(detail) << Qt::endl;
    return done ? kSuccess : kFailed;
}

int reportStore(CommandContext& context, const StoreCommandOutcome& outcome, const QString& what)
{
    if (outcome.done && outcome.store)
        context.err << QStringLiteral("%1 %2 setups.").arg(what).arg(outcome.store->counters.total)
                    << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

// JSON objects with their keys in the order the help documents, which QJsonObject would sort.
class OrderedJson
{
public:
    OrderedJson& add(const char* key, const QJsonValue& value)
    {
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        fields_ << QStringLiteral("\"%1\": %2")
                       .arg(QLatin1StringView(key),
                            QString::fromUtf8(wrapped.sliced(1, wrapped.size() - 2)));
        return *this;
    }
    QString text() const
    {
        return QStringLiteral("{") + fields_.join(QStringLiteral(", ")) + QStringLiteral("}");
    }

private:
    QStringList fields_;
};

QString jsonArray(const QStringList& items)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(items)).toJson(QJsonDocument::Compact));
}

qint64 generationId(const CommandContext& context)
{
    return context.invocation.arguments.at(0).toLongLong();
}

void reportPassedOver(CommandContext& context, const QStringList& passedOver)
{
    for (const QString& file : passedOver)
        context.err << terminalText(QStringLiteral("Passed over %1").arg(file)) << Qt::endl;
}

void printPreview(CommandContext& context, const StorePreview& preview)
{
    const auto section = [&context](const char* title, const QStringList& names) {
        context.out << title << ' ' << names.size() << '\n';
        for (const QString& name : names)
            context.out << '\t' << name << '\n';
    };
    section("Bring back:", preview.bringBack);
    section("Remove:", preview.remove);
    section("Change:", preview.change);
    context.out << "Order changes: " << (preview.reorder ? "yes" : "no") << '\n';
}

int runPin(CommandContext& context, bool pinned)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const qint64 id = generationId(context);
    const CommandOutcome outcome =
        pinGeneration(game->gameDirectory, game->profile->recordLayout(), id, pinned);
    if (outcome.done)
        context.err << QStringLiteral("Generation %1 is %2.")
                           .arg(id)
                           .arg(pinned ? QStringLiteral("pinned: it is kept until it is unpinned")
                                       : QStringLiteral("no longer pinned"))
                    << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

// The registry's reason, so that the player can put it right.
QString notChanged(const CommandContext& context)
{
    const QString& why = context.registry.lastError();
    if (why.isEmpty())
        return QStringLiteral("%1 was not changed.").arg(context.registry.filePath());
    return QStringLiteral("%1 was not changed: %2.").arg(context.registry.filePath(), why);
}

} // namespace

int runList(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const StoreRead read = ReadSlots(game->paths.store, game->profile->recordLayout());
    // As the game window shows it: no setups.sav yet in the game's folder is an empty store.
    const bool noStoreYet = read.missing && PathInfo(game->paths.folder).isDir();
    if (!read.ok && !noStoreYet)
        return fail(context, read.error);

    const std::vector<StoreLine> lines = listStore(read.image.table);
    if (context.invocation.has(Option::Json)) {
        QJsonArray setups;
        int position = 0;
        for (const StoreLine& line : lines) {
            setups.append(QJsonObject{{QStringLiteral("position"), ++position},
                                      {QStringLiteral("slot"), line.slot},
                                      {QStringLiteral("name"), line.displayName()}});
        }
        const StoreCounters counters = countersOf(read.image.table, -1);
        const QJsonObject listing{
            {QStringLiteral("game"), game->profile->id},
            {QStringLiteral("gameDirectory"), game->gameDirectory},
            {QStringLiteral("store"), game->paths.store},
            {QStringLiteral("count"), counters.total},
            {QStringLiteral("nextSlot"), counters.nextSlot},
            {QStringLiteral("setups"), setups},
        };
        context.out << QJsonDocument(listing).toJson(QJsonDocument::Indented);
        return kSuccess;
    }
    int position = 0;
    for (const StoreLine& line : lines)
        context.out << ++position << '\t' << line.slot << '\t'
                    << escapedForOneLine(line.displayName()) << '\n';
    return kSuccess;
}

int runBackup(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const StoreOpening opening = ReadFile(game->gameDirectory, game->profile->recordLayout());
    if (opening.backupKept)
        return fail(context, opening.backupKept->text);
    if (!opening.storeRead || !opening.backupWritten)
        return fail(context, QStringLiteral("The backup was not written: %1")
                                 .arg(opening.passedOver.join(QStringLiteral("; "))));
    for (const QString& step : opening.passedOver)
        context.err << terminalText(step) << Qt::endl;
    context.err << terminalText(QStringLiteral("%1 now holds the %2 setups of %3.")
                                    .arg(game->paths.backup)
                                    .arg(opening.store.counters.total)
                                    .arg(game->paths.store))
                << Qt::endl;
    return kSuccess;
}

int runExport(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const Invocation& line = context.invocation;
    const ExportOutcome outcome = exportSetup({
        .gameDirectory = game->gameDirectory,
        .profile = game->profile,
        .selectedSlot = line.slot(),
        .exportName = line.value(Option::Name),
        .folder = absolutePath(line.value(Option::To)),
        .style = MessageStyle::Marked,
        .replaceExisting = line.has(Option::Replace),
    });
    if (outcome.wouldReplace)
        return fail(context, QStringLiteral("%1 already exists. Nothing was exported; give "
                                            "--replace to replace it.")
                                 .arg(joinPath(absolutePath(line.value(Option::To)),
                                               line.value(Option::Name) +
                                                   game->profile->SetupFileExtension)));
    if (outcome.done)
        context.out << terminalText(outcome.writtenFile) << '\n';
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runImport(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const QFileInfo file(context.invocation.arguments.at(0));
    const ImportOutcome outcome = importSetup({
        .gameDirectory = game->gameDirectory,
        .profile = game->profile,
        .folder = absolutePath(file.path()),
        .chosenFile = file.fileName(),
        .style = MessageStyle::Marked,
        .deleteFileAfterImport = context.invocation.has(Option::Delete),
    });
    if (outcome.importedSlot != 0)
        context.out << outcome.importedSlot << '\n';
    return reportStore(context, outcome, QStringLiteral("The store now holds"));
}

int runDelete(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const StoreCommandOutcome outcome = deleteSetup({
        .gameDirectory = game->gameDirectory,
        .layout = game->profile->recordLayout(),
        .setupChosen = true, // naming a slot chooses its setup
        .selectedSlot = context.invocation.slot(),
        .listedName = std::nullopt, // the slot is taken as named, whatever it holds now
    });
    return reportStore(context, outcome, QStringLiteral("The store now holds"));
}

int runSort(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    return reportStore(context, sortStore(game->gameDirectory, game->profile->recordLayout()),
                       QStringLiteral("Sorted"));
}

int runRestore(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    return reportStore(context, restoreStore(game->gameDirectory, game->profile->recordLayout()),
                       QStringLiteral("Restored from setups.bak:"));
}

int runStoreExport(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const StoreCopyOutcome outcome =
        exportStoreCopy(game->gameDirectory, context.invocation.value(Option::To), *game->profile);
    if (outcome.done)
        context.err << terminalText(QStringLiteral("%1 now holds the %2 setups of %3.")
                                        .arg(outcome.writtenPath)
                                        .arg(outcome.store->counters.total)
                                        .arg(game->paths.store))
                    << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runStoreImport(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const QFileInfo copy(context.invocation.arguments.at(0));
    const StoreCopyOutcome outcome =
        importStoreCopy(game->gameDirectory, copy.path(), copy.fileName(), *game->profile);
    if (outcome.done)
        context.err << terminalText(QStringLiteral("%1 now holds the %2 setups of %3.")
                                        .arg(outcome.writtenPath)
                                        .arg(outcome.store->counters.total)
                                        .arg(copy.filePath()))
                    << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runHistoryList(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const HistoryListOutcome outcome =
        listHistory(game->gameDirectory, game->profile->recordLayout());
    reportPassedOver(context, outcome.passedOver);
    if (!outcome.done)
        return report(context, outcome.done, outcome.messages, outcome.detail);
    if (context.invocation.has(Option::Json)) {
        QStringList objects;
        for (const Generation& g : outcome.generations) {
            objects << OrderedJson()
                           .add("id", g.id)
                           .add("time", generationTimeText(g.time))
                           .add("command", g.command)
                           .add("setups", g.setups)
                           .add("bytes", g.bytes)
                           .add("pinned", g.pinned)
                           .text();
        }
        context.out << (objects.isEmpty()
                            ? QStringLiteral("[]")
                            : QStringLiteral("[\n  ") + objects.join(QStringLiteral(",\n  ")) +
                                  QStringLiteral("\n]"))
                    << '\n';
        return kSuccess;
    }
    for (const Generation& g : outcome.generations) {
        context.out << g.id << '\t' << generationTimeText(g.time) << '\t' << g.command << '\t'
                    << g.setups << '\t' << g.bytes << (g.pinned ? "\tpinned" : "") << '\n';
    }
    return kSuccess;
}

int runHistoryShow(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const HistoryPreviewOutcome outcome = previewGeneration(
        game->gameDirectory, game->profile->recordLayout(), generationId(context));
    if (!outcome.done)
        return report(context, outcome.done, outcome.messages, outcome.detail);
    const StorePreview& preview = outcome.preview;
    if (context.invocation.has(Option::Json)) {
        context.out << QStringLiteral("{\"bring_back\": %1, \"remove\": %2, \"change\": %3, "
                                      "\"reorder\": %4}")
                           .arg(jsonArray(preview.bringBack), jsonArray(preview.remove),
                                jsonArray(preview.change),
                                preview.reorder ? QStringLiteral("true") : QStringLiteral("false"))
                    << '\n';
        return kSuccess;
    }
    printPreview(context, preview);
    return kSuccess;
}

int runHistoryRestore(CommandContext& context)
{
    const auto game = resolveGame(context);
    if (!game)
        return kFailed;
    const qint64 id = generationId(context);
    const bool dryRun = context.invocation.has(Option::DryRun);
    const HistoryRestoreOutcome outcome =
        restoreGeneration(game->gameDirectory, game->profile->recordLayout(), id, dryRun);
    if (!outcome.done)
        return report(context, outcome.done, outcome.messages, outcome.detail);
    printPreview(context, outcome.preview);
    if (dryRun) {
        context.err << terminalText(
                           QStringLiteral("Dry run: %1 was not changed.").arg(game->paths.store))
                    << Qt::endl;
        return kSuccess;
    }
    context.err << QStringLiteral("Restored generation %1: the store now holds %2 setups.")
                       .arg(id)
                       .arg(outcome.store->counters.total)
                << Qt::endl;
    if (outcome.keptGeneration != 0)
        context.err
            << QStringLiteral("The store it replaced is generation %1.").arg(outcome.keptGeneration)
            << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runHistoryPin(CommandContext& context)
{
    return runPin(context, true);
}

int runHistoryUnpin(CommandContext& context)
{
    return runPin(context, false);
}

int runRenameFile(CommandContext& context)
{
    const QFileInfo file(context.invocation.arguments.at(0));
    const QString& newName = context.invocation.arguments.at(1);
    const SetupFileRenameOutcome outcome =
        renameSetupFile(file.path(), file.fileName(), newName, profileOf(context),
                        context.invocation.has(Option::Replace));
    if (outcome.result == RenameResult::WouldReplace)
        return fail(context,
                    QStringLiteral("%1 already exists. %2 was not renamed; give "
                                   "--replace to replace it.")
                        .arg(joinPath(file.path(), newName + profileOf(context).SetupFileExtension),
                             file.fileName()));
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runTrashFile(CommandContext& context)
{
    const QFileInfo file(context.invocation.arguments.at(0));
    SystemTrash trash;
    // Typing the command is the player's confirmation.
    const TrashOutcome outcome =
        trashSelectedFile(file.path(), file.fileName(), trash, [](const Message&) { return true; });
    if (outcome.done)
        context.err << terminalText(QStringLiteral("%1 is now in the trash: %2")
                                        .arg(file.filePath(), outcome.pathInTrash))
                    << Qt::endl;
    return report(context, outcome.done, outcome.messages, outcome.detail);
}

int runRegistryGet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const RegistryValue value = context.registry.QueryValue(args[0], args[1]);
    if (std::holds_alternative<std::monostate>(value))
        return fail(context, QStringLiteral("No value \"%1\" under [HKEY_LOCAL_MACHINE\\%2] in %3")
                                 .arg(args[1], args[0], context.registry.filePath()));
    if (const auto* number = std::get_if<qint32>(&value))
        context.out << *number << '\n';
    else
        context.out << std::get<QString>(value) << '\n';
    return kSuccess;
}

int runRegistrySet(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    RegistryValue value = args[2];
    RegistryType type = RegistryType::String;
    if (context.invocation.has(Option::Dword)) {
        bool ok = false;
        const qint32 number = args[2].toInt(&ok, 0);
        if (!ok)
            return wrongUsage(
                context, QStringLiteral("--dword needs a whole number, not \"%1\"").arg(args[2]));
        value = number;
        type = RegistryType::Dword;
    }
    // Checked first: creating the key, or the utility's own, must not change the file either.
    if (const QString problem = Registry::namesProblem(args[0], &args[1]); !problem.isEmpty())
        return fail(
            context,
            QStringLiteral("%1 was not changed: %2.").arg(context.registry.filePath(), problem));
    if (!context.registry.ensureCreated() || !context.registry.createKey(args[0]) ||
        !context.registry.SetKeyValue(args[0], args[1], value, type))
        return fail(context, notChanged(context));
    return kSuccess;
}

int runRegistryDelete(CommandContext& context)
{
    const QStringList& args = context.invocation.arguments;
    if (!context.registry.DeleteValue(args[0], args[1]))
        return fail(context, notChanged(context));
    return kSuccess;
}

// Shows where the Wine prefix has each game and, unless --dry-run, keeps the Linux folders in
// the utility's registry file, so that the windows find the games without the prefix.
int runRegistryImportWine(CommandContext& context)
{
    QTextStream& out = context.out;
    QTextStream& err = context.err;
    Registry& registry = context.registry;
    const bool dryRun = context.invocation.has(Option::DryRun);
    const QString prefix = winePrefix(context);
    if (!PathInfo(prefix + QStringLiteral("/system.reg")).isFile())
        return fail(context, QStringLiteral("No Wine registry at %1/system.reg. Name the prefix "
                                            "with --wine-prefix DIR.")
                                 .arg(prefix));
    std::vector<const GameProfile*> profiles{&DirtTrackRacingProfile, &SprintCarsProfile};
    if (context.invocation.has(Option::Game))
        profiles = {&profileOf(context)};

    out << "Wine prefix: " << prefix << '\n';
    int found = 0;
    int written = 0;
    for (const GameProfile* profile : profiles) {
        const WineGameDirectory wine = findWineGameDirectory(*profile, prefix);
        out << profile->gameTitle << ": ";
        if (wine.windowsPath.isEmpty()) {
            out << "not installed in this prefix\n";
            continue;
        }
        if (wine.linuxPath.isEmpty()) {
            out << wine.windowsPath << " (not found on disk)\n";
            continue;
        }
        ++found;
        out << wine.windowsPath << " -> " << wine.linuxPath << '\n';
        if (dryRun)
            continue;
        const QString before =
            registryText(registry.QueryValue(profile->GameKey, profile->DirectoryValueName));
        if (before == wine.linuxPath) {
            ++written;
            continue;
        }
        if (!registry.ensureCreated() || !registry.createKey(profile->GameKey) ||
            !registry.SetKeyValue(profile->GameKey, profile->DirectoryValueName, wine.linuxPath,
                                  RegistryType::String)) {
            err << notChanged(context) << Qt::endl;
            continue;
        }
        ++written;
        if (!before.isEmpty())
            err << QStringLiteral("%1 replaces %2 for %3.")
                       .arg(wine.linuxPath, before, profile->gameTitle)
                << Qt::endl;
    }
    out.flush();
    if (found == 0)
        return fail(
            context,
            QStringLiteral("No game directory to import from the Wine prefix %1.").arg(prefix));
    if (dryRun) {
        err << QStringLiteral("Dry run: %1 was not changed.").arg(registry.filePath()) << Qt::endl;
        return kSuccess;
    }
    if (written < found)
        return kFailed;
    err << QStringLiteral("%1 now holds the game %2 found in Wine.")
               .arg(registry.filePath(),
                    written == 1 ? QStringLiteral("directory") : QStringLiteral("directories"))
        << Qt::endl;
    return kSuccess;
}

} // namespace tarvelin::cli
