#include "core/cli/CommandLine.h"

#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/Trash.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreFile.h"
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
#include <functional>
#include <map>

namespace tarvelin::cli
{

namespace
{

// What every store command needs: the game and where its store lies.
struct GameContext {
    const GameProfile* profile = nullptr;
    QString gameDirectory;
    StorePaths paths;
};

class Runner
{
public:
    Runner(const Invocation& invocation, QTextStream& out, QTextStream& err)
        : invocation_(invocation), out_(out), err_(err),
          registry_(invocation.registryFile.isEmpty() ? Registry::defaultFilePath()
                                                      : invocation.registryFile)
    {
    }

    int run();

private:
    int usage(const QString& why)
    {
        err_ << why << Qt::endl << Qt::endl << usageText();
        return kWrongUsage;
    }
    int fail(const QString& why)
    {
        err_ << why << Qt::endl;
        return kFailed;
    }
    bool expectArguments(qsizetype count) const { return invocation_.arguments.size() == count; }

    // Finds the game and its directory; on failure returns the exit code to end with.
    std::optional<int> resolveGame(GameContext& context);

    // --slot K as a slot number, 1 to 300; nothing when missing or out of range.
    std::optional<int> slot() const;
    // Prints the messages a window would show; 0 when the command did what was asked.
    int report(bool done, const std::vector<Message>& messages, const QString& detail);
    int reportStore(const StoreCommandOutcome& outcome, const QString& what);

    int list();
    int backup();
    int exportSetup();
    int importSetup();
    int deleteSetup();
    int sortStore();
    int restoreStore();
    int registry();
    int importWine();
    QString winePrefix() const
    {
        return invocation_.winePrefix.isEmpty() ? defaultWinePrefix() : invocation_.winePrefix;
    }

    // Whole-store copies and setup files.
    int storeExport();
    int storeImport();
    int renameFile();
    int trashFile();

    const Invocation& invocation_;
    QTextStream& out_;
    QTextStream& err_;
    Registry registry_;
};

std::optional<int> Runner::resolveGame(GameContext& context)
{
    if (invocation_.game.isEmpty())
        return usage(QStringLiteral("%1 needs --game dtr or --game sc").arg(invocation_.command));
    context.profile = profileById(invocation_.game);
    context.gameDirectory = invocation_.gameDirectory;
    if (context.gameDirectory.isEmpty())
        context.gameDirectory = lookUpGameDirectory(*context.profile, registry_, winePrefix());
    context.paths = StorePaths::forGameDirectory(context.gameDirectory);
    if (!context.paths.isValid()) {
        return fail(QStringLiteral("No game directory for %1: the registry file %2 has no "
                                   "\"%3\" under [HKEY_LOCAL_MACHINE\\%4], and the Wine prefix "
                                   "%5 does not hold the game. Point the utility at the game with "
                                   "--game-dir DIR, --wine-prefix DIR or \"registry set\".")
                        .arg(context.profile->gameTitle, registry_.filePath(),
                             context.profile->DirectoryValueName, context.profile->GameKey,
                             winePrefix()));
    }
    return std::nullopt;
}

int Runner::list()
{
    if (!expectArguments(0))
        return usage(QStringLiteral("list takes no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    const StoreRead read = ReadSlots(game.paths.store, game.profile->recordLayout());
    if (!read.ok)
        return fail(read.error);

    const std::vector<StoreLine> lines = listStore(read.image.table);
    if (invocation_.json) {
        QJsonArray setups;
        int position = 0;
        for (const StoreLine& line : lines) {
            setups.append(QJsonObject{{QStringLiteral("position"), ++position},
                                      {QStringLiteral("slot"), line.slot},
                                      {QStringLiteral("name"), line.displayName()}});
        }
        const StoreCounters counters = RefreshStoreCounters(static_cast<int>(lines.size()), -1);
        const QJsonObject listing{
            {QStringLiteral("game"), game.profile->id},
            {QStringLiteral("gameDirectory"), game.gameDirectory},
            {QStringLiteral("store"), game.paths.store},
            {QStringLiteral("count"), counters.total},
            {QStringLiteral("nextSlot"), counters.nextSlot},
            {QStringLiteral("setups"), setups},
        };
        out_ << QJsonDocument(listing).toJson(QJsonDocument::Indented);
        return kSuccess;
    }
    int position = 0;
    for (const StoreLine& line : lines)
        out_ << ++position << '\t' << line.slot << '\t' << line.displayName() << '\n';
    return kSuccess;
}

int Runner::backup()
{
    if (!expectArguments(0))
        return usage(QStringLiteral("backup takes no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    const StoreOpening opening = ReadFile(game.gameDirectory, game.profile->recordLayout());
    if (!opening.storeRead || !opening.backupWritten)
        return fail(QStringLiteral("The backup was not written: %1")
                        .arg(opening.passedOver.join(QStringLiteral("; "))));
    for (const QString& step : opening.passedOver)
        err_ << step << Qt::endl;
    err_ << QStringLiteral("%1 now holds the %2 setups of %3.")
                .arg(game.paths.backup)
                .arg(opening.store.counters.total)
                .arg(game.paths.store)
         << Qt::endl;
    return kSuccess;
}

std::optional<int> Runner::slot() const
{
    bool ok = false;
    const int slot = invocation_.slot.toInt(&ok);
    if (!ok || !SetupTable::isSlot(slot))
        return std::nullopt;
    return slot;
}

int Runner::report(bool done, const std::vector<Message>& messages, const QString& detail)
{
    for (const Message& message : messages)
        err_ << message.text << Qt::endl;
    if (!done && messages.empty() && !detail.isEmpty())
        err_ << detail << Qt::endl;
    return done ? kSuccess : kFailed;
}

int Runner::reportStore(const StoreCommandOutcome& outcome, const QString& what)
{
    if (outcome.done && outcome.store) {
        err_ << QStringLiteral("%1 %2 setups.").arg(what).arg(outcome.store->counters.total)
             << Qt::endl;
    }
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::exportSetup()
{
    const std::optional<int> k = slot();
    if (!k || !expectArguments(2))
        return usage(QStringLiteral("export takes --slot K (1 to 300), a NAME and a folder"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    ExportRequest request;
    request.gameDirectory = game.gameDirectory;
    request.profile = game.profile;
    request.selectedSlot = *k;
    request.exportName = invocation_.arguments[0];
    request.folder = QFileInfo(invocation_.arguments[1]).absoluteFilePath();
    request.style = MessageStyle::Marked;
    const ExportOutcome outcome = ExportSetup(request);
    if (outcome.done)
        out_ << outcome.writtenFile << '\n';
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::importSetup()
{
    if (!expectArguments(1))
        return usage(QStringLiteral("import takes one setup file"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    const QFileInfo file(invocation_.arguments[0]);
    ImportRequest request;
    request.gameDirectory = game.gameDirectory;
    request.profile = game.profile;
    request.folder = file.absolutePath();
    request.chosenFile = file.fileName();
    request.style = MessageStyle::Marked;
    request.deleteFileAfterImport = invocation_.deleteAfter;
    const ImportOutcome outcome = ImportSetup(request);
    if (outcome.importedSlot != 0)
        out_ << outcome.importedSlot << '\n';
    return reportStore(outcome, QStringLiteral("The store now holds"));
}

int Runner::deleteSetup()
{
    const std::optional<int> k = slot();
    if (!k || !expectArguments(0))
        return usage(QStringLiteral("delete takes --slot K (1 to 300) and no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    DeleteRequest request;
    request.gameDirectory = game.gameDirectory;
    request.layout = game.profile->recordLayout();
    request.setupChosen = true; // a slot was named: a setup is chosen
    request.selectedSlot = *k;
    return reportStore(DeleteSetup(request), QStringLiteral("The store now holds"));
}

int Runner::sortStore()
{
    if (!expectArguments(0))
        return usage(QStringLiteral("sort takes no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    return reportStore(SortStore(game.gameDirectory, game.profile->recordLayout()),
                       QStringLiteral("Sorted"));
}

int Runner::restoreStore()
{
    if (!expectArguments(0))
        return usage(QStringLiteral("restore takes no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    return reportStore(RestoreStore(game.gameDirectory, game.profile->recordLayout()),
                       QStringLiteral("Restored from setups.bak:"));
}

int Runner::registry()
{
    const QStringList& args = invocation_.arguments;
    const QString action = args.value(0);
    if (action == QLatin1String("get") && args.size() == 3) {
        const RegistryValue value = registry_.QueryValue(args[1], args[2]);
        if (std::holds_alternative<std::monostate>(value))
            return fail(QStringLiteral("No value \"%1\" under [HKEY_LOCAL_MACHINE\\%2] in %3")
                            .arg(args[2], args[1], registry_.filePath()));
        if (const auto* number = std::get_if<qint32>(&value))
            out_ << *number << '\n';
        else
            out_ << std::get<QString>(value) << '\n';
        return kSuccess;
    }
    if (action == QLatin1String("set") && args.size() == 4) {
        RegistryValue value = args[3];
        RegistryType type = RegistryType::String;
        if (invocation_.dword) {
            bool ok = false;
            const qint32 number = args[3].toInt(&ok, 0);
            if (!ok)
                return usage(QStringLiteral("--dword needs a whole number, not %1").arg(args[3]));
            value = number;
            type = RegistryType::Dword;
        }
        if (!registry_.createKey(args[1]) || !registry_.SetKeyValue(args[1], args[2], value, type))
            return fail(QStringLiteral("%1 was not changed.").arg(registry_.filePath()));
        return kSuccess;
    }
    if (action == QLatin1String("delete") && args.size() == 3) {
        if (!registry_.DeleteValue(args[1], args[2]))
            return fail(QStringLiteral("%1 was not changed.").arg(registry_.filePath()));
        return kSuccess;
    }
    if (action == QLatin1String("import-wine") && args.size() == 1)
        return importWine();
    return usage(QStringLiteral("registry takes get KEY NAME, set KEY NAME VALUE, delete KEY "
                                "NAME or import-wine"));
}

// Shows where the Wine prefix has each game and, unless --dry-run, keeps the Linux folders in
// the utility's registry file, so that the windows find the games without the prefix.
int Runner::importWine()
{
    const QString prefix = winePrefix();
    if (!QFileInfo(prefix + QStringLiteral("/system.reg")).isFile())
        return fail(QStringLiteral("No Wine registry at %1/system.reg. Name the prefix with "
                                   "--wine-prefix DIR.")
                        .arg(prefix));
    std::vector<const GameProfile*> profiles{&DirtTrackRacingProfile, &SprintCarsProfile};
    if (!invocation_.game.isEmpty())
        profiles = {profileById(invocation_.game)};

    out_ << "Wine prefix: " << prefix << '\n';
    int found = 0;
    int written = 0;
    for (const GameProfile* profile : profiles) {
        const WineGameDirectory wine = findWineGameDirectory(*profile, prefix);
        out_ << profile->gameTitle << ": ";
        if (wine.windowsPath.isEmpty()) {
            out_ << "not installed in this prefix\n";
            continue;
        }
        if (wine.linuxPath.isEmpty()) {
            out_ << wine.windowsPath << " (not found on disk)\n";
            continue;
        }
        ++found;
        out_ << wine.windowsPath << " -> " << wine.linuxPath << '\n';
        if (invocation_.dryRun)
            continue;
        const QString before =
            registryText(registry_.QueryValue(profile->GameKey, profile->DirectoryValueName));
        if (before == wine.linuxPath) {
            ++written;
            continue;
        }
        if (!registry_.createKey(profile->GameKey) ||
            !registry_.SetKeyValue(profile->GameKey, profile->DirectoryValueName, wine.linuxPath,
                                   RegistryType::String)) {
            err_ << QStringLiteral("%1 was not changed.").arg(registry_.filePath()) << Qt::endl;
            continue;
        }
        ++written;
        if (!before.isEmpty())
            err_ << QStringLiteral("%1 replaces %2 for %3.")
                        .arg(wine.linuxPath, before, profile->gameTitle)
                 << Qt::endl;
    }
    out_.flush();
    if (found == 0)
        return fail(
            QStringLiteral("No game directory to import from the Wine prefix %1.").arg(prefix));
    if (invocation_.dryRun) {
        err_ << QStringLiteral("Dry run: %1 was not changed.").arg(registry_.filePath())
             << Qt::endl;
        return kSuccess;
    }
    if (written < found)
        return kFailed;
    err_ << QStringLiteral("%1 now holds the game %2 found in Wine.")
                .arg(registry_.filePath(),
                     written == 1 ? QStringLiteral("directory") : QStringLiteral("directories"))
         << Qt::endl;
    return kSuccess;
}

// The whole-store and setup-file commands: the same functions as the windows' buttons.

int Runner::storeExport()
{
    if (!expectArguments(0) || invocation_.to.isEmpty())
        return usage(QStringLiteral("store-export takes --to DIR and no arguments"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    const StoreCopyOutcome outcome =
        ExportStoreCopy(game.gameDirectory, invocation_.to, *game.profile);
    if (outcome.done)
        err_ << QStringLiteral("%1 now holds the %2 setups of %3.")
                    .arg(outcome.writtenPath)
                    .arg(outcome.store->counters.total)
                    .arg(game.paths.store)
             << Qt::endl;
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::storeImport()
{
    if (!expectArguments(1))
        return usage(QStringLiteral("store-import takes one FILE"));
    GameContext game;
    if (const auto exit = resolveGame(game))
        return *exit;
    const QFileInfo copy(invocation_.arguments.at(0));
    const StoreCopyOutcome outcome =
        ImportStoreCopy(game.gameDirectory, copy.path(), copy.fileName(), *game.profile);
    if (outcome.done)
        err_ << QStringLiteral("%1 now holds the %2 setups of %3.")
                    .arg(outcome.writtenPath)
                    .arg(outcome.store->counters.total)
                    .arg(copy.filePath())
             << Qt::endl;
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::renameFile()
{
    if (!expectArguments(2))
        return usage(QStringLiteral("rename-file takes FILE NEWNAME"));
    if (invocation_.game.isEmpty())
        return usage(QStringLiteral("rename-file needs --game dtr or --game sc"));
    const QFileInfo file(invocation_.arguments.at(0));
    const SetupFileRenameOutcome outcome = RenameSetupFile(
        file.path(), file.fileName(), invocation_.arguments.at(1), *profileById(invocation_.game));
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::trashFile()
{
    if (!expectArguments(1))
        return usage(QStringLiteral("trash-file takes one FILE"));
    const QFileInfo file(invocation_.arguments.at(0));
    SystemTrash trash;
    // Typing the command is the player's confirmation.
    const TrashOutcome outcome =
        TrashSelectedFile(file.path(), file.fileName(), trash, [](const Message&) { return true; });
    if (outcome.done)
        err_ << QStringLiteral("%1 is now in the trash: %2")
                    .arg(file.filePath(), outcome.pathInTrash)
             << Qt::endl;
    return report(outcome.done, outcome.messages, outcome.detail);
}

int Runner::run()
{
    if (!invocation_.usageError.isEmpty())
        return usage(invocation_.usageError);
    if (invocation_.help) {
        out_ << usageText();
        return kSuccess;
    }
    if (invocation_.version) {
        out_ << "tarvelin-setup-utility " << TARVELIN_VERSION << '\n';
        return kSuccess;
    }
    const std::map<QString, std::function<int()>> commands{
        {QStringLiteral("list"),
         [this] {
             return list();
         }},
        {QStringLiteral("backup"),
         [this] {
             return backup();
         }},
        {QStringLiteral("export"),
         [this] {
             return exportSetup();
         }},
        {QStringLiteral("import"),
         [this] {
             return importSetup();
         }},
        {QStringLiteral("delete"),
         [this] {
             return deleteSetup();
         }},
        {QStringLiteral("sort"),
         [this] {
             return sortStore();
         }},
        {QStringLiteral("restore"),
         [this] {
             return restoreStore();
         }},
        {QStringLiteral("registry"),
         [this] {
             return registry();
         }},
        {QStringLiteral("store-export"),
         [this] {
             return storeExport();
         }},
        {QStringLiteral("store-import"),
         [this] {
             return storeImport();
         }},
        {QStringLiteral("rename-file"),
         [this] {
             return renameFile();
         }},
        {QStringLiteral("trash-file"),
         [this] {
             return trashFile();
         }},
    };
    const auto command = commands.find(invocation_.command);
    if (command == commands.end())
        return usage(QStringLiteral("unknown command %1").arg(invocation_.command));
    return command->second();
}

} // namespace

int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    Runner runner(invocation, out, err);
    return runner.run();
}

} // namespace tarvelin::cli
