#include "core/cli/CommandTable.h"

#include "core/cli/FileCommandLine.h"
#include "core/cli/HistoryCommandLine.h"
#include "core/cli/RegistryCommandLine.h"
#include "core/cli/StoreCommandLine.h"

namespace tarvelin::cli
{

namespace
{

using enum Option;

constexpr OptionSpec kOptions[] = {
    {Game, "game", 0, "dtr|sc", ValueKind::Game,
     "the game: dtr, Dirt Track Racing; sc, Dirt Track Racing - Sprint Cars"},
    {GameDir, "game-dir", 0, "DIR", ValueKind::Directory,
     "the game directory, instead of the one in the registry file or the Wine prefix"},
    {WinePrefix, "wine-prefix", 0, "DIR", ValueKind::Directory,
     "the Wine prefix a game missing from the registry file is looked up in first (then "
     "$WINEPREFIX, ~/.wine, Lutris, Bottles, PlayOnLinux, Heroic and Steam's prefixes)"},
    {Registry, "registry", 0, "FILE", ValueKind::File,
     "the registry file (default $TARVELIN_REGISTRY, else "
     "$XDG_CONFIG_HOME/tarvelin-setup-utility/registry.reg)"},
    {Slot, "slot", 0, "K", ValueKind::Slot,
     "a slot number, 1 to 300, as the second column of list shows"},
    {Name, "name", 0, "NAME", ValueKind::Text, "the name of the file, without .set or .dts"},
    {To, "to", 0, "DIR", ValueKind::Directory, "the folder to write into"},
    {Json, "json", 0, {}, ValueKind::None, "print JSON"},
    {Delete, "delete", 0, {}, ValueKind::None, "delete the setup file once it is in the store"},
    {Dword, "dword", 0, {}, ValueKind::None, "write VALUE as a whole number (dword), not as text"},
    {DryRun, "dry-run", 0, {}, ValueKind::None, "only show what would be written"},
    {Replace,
     "replace",
     0,
     {},
     ValueKind::None,
     "replace an existing file of that name (never a read-only one)"},
    {Verbose,
     "verbose",
     0,
     {},
     ValueKind::None,
     "show the program's diagnostics (the tarvelin.* log) on standard error"},
    {Help, "help", 'h', {}, ValueKind::None, "show the help, or the command's own"},
    {Version, "version", 0, {}, ValueKind::None, "print the version"},
    {Demo,
     "demo",
     0,
     {},
     ValueKind::None,
     "build demo games and setup files in a scratch folder and open the windows on them"},
};
static_assert(std::size(kOptions) == kOptionCount);
static_assert(
    [] {
        for (std::size_t i = 0; i < kOptionCount; ++i)
            if (static_cast<std::size_t>(kOptions[i].option) != i)
                return false;
        return true;
    }(),
    "kOptions is indexed by Option");

// Where a game command finds the game's store.
constexpr CommandOption kGameOption{.option = Game, .required = true};
constexpr CommandOption kGameDirOption{.option = GameDir};
constexpr CommandOption kWinePrefixOption{.option = WinePrefix};

constexpr CommandOption kStoreOptions[] = {kGameOption, kGameDirOption, kWinePrefixOption};
constexpr CommandOption kListOptions[] = {
    kGameOption, kGameDirOption, kWinePrefixOption, {.option = Json}};
constexpr CommandOption kExportOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = Slot, .required = true, .help = "the slot of the setup to export"},
    {.option = Name,
     .required = true,
     .help = "the file's name: DIR/NAME.set, or NAME.dts for Sprint Cars"},
    {.option = To, .required = true, .help = "the folder the setup file is written into"},
    {.option = Replace},
};
constexpr CommandOption kImportOptions[] = {
    kGameOption, kGameDirOption, kWinePrefixOption, {.option = Delete}};
constexpr CommandOption kDeleteOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = Slot, .required = true, .help = "the slot of the setup to delete"},
};
constexpr CommandOption kStoreExportOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = To, .required = true, .help = "the folder the copy of the store is written into"},
};
constexpr CommandOption kHistoryJsonOptions[] = {
    kGameOption, kGameDirOption, kWinePrefixOption, {.option = Json}};
constexpr CommandOption kHistoryRestoreOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = DryRun, .help = "only show what the restore would change; the store is not changed"},
};
constexpr CommandOption kRenameOptions[] = {{.option = Game, .required = true},
                                            {.option = Replace}};
constexpr CommandOption kRegistrySetOptions[] = {{.option = Dword}};
constexpr CommandOption kImportWineOptions[] = {
    {.option = Game, .help = "only this game (default: both)"},
    {.option = WinePrefix,
     .help = "only this Wine prefix (default: every place a player keeps one)"},
    {.option = DryRun, .help = "only show what was found; the registry file is not changed"},
};

constexpr CommandOption kEveryCommand[] = {
    {.option = Registry}, {.option = Verbose}, {.option = Help}};
constexpr CommandOption kWindows[] = {{.option = Demo},
                                      {.option = Registry},
                                      {.option = Verbose},
                                      {.option = Help},
                                      {.option = Version}};

constexpr ArgumentSpec kExportArguments[] = {
    {.name = "NAME",
     .kind = ValueKind::Text,
     .help = "in place of --name NAME (the older form)",
     .standsForOption = true,
     .option = Name},
    {.name = "DIR",
     .kind = ValueKind::Directory,
     .help = "in place of --to DIR (the older form)",
     .standsForOption = true,
     .option = To},
};
constexpr ArgumentSpec kSetupFile[] = {
    {.name = "FILE",
     .kind = ValueKind::File,
     .help = "the setup file (.set, or .dts for Sprint Cars)"},
};
constexpr ArgumentSpec kStoreCopy[] = {
    {.name = "FILE", .kind = ValueKind::File, .help = "the copy of the whole store"},
};
constexpr ArgumentSpec kRenameArguments[] = {
    {.name = "FILE", .kind = ValueKind::File, .help = "the setup file"},
    {.name = "NEWNAME", .kind = ValueKind::Text, .help = "its new name, without .set or .dts"},
};
constexpr ArgumentSpec kTrashArguments[] = {
    {.name = "FILE", .kind = ValueKind::File, .help = "a setup file or a copy of a store"},
};
constexpr ArgumentSpec kGenerationId[] = {
    {.name = "ID", .kind = ValueKind::Id, .help = "the generation, as history list shows it"},
};
constexpr ArgumentSpec kKeyName[] = {
    {.name = "KEY", .kind = ValueKind::Text, .help = "the key under HKEY_LOCAL_MACHINE"},
    {.name = "NAME", .kind = ValueKind::Text, .help = "the value's name"},
};
constexpr ArgumentSpec kKeyNameValue[] = {
    {.name = "KEY", .kind = ValueKind::Text, .help = "the key under HKEY_LOCAL_MACHINE"},
    {.name = "NAME", .kind = ValueKind::Text, .help = "the value's name"},
    {.name = "VALUE", .kind = ValueKind::Text, .help = "the value", .mayBeEmpty = true},
};

// The game directory is found before the command runs.
constexpr bool kNeedsGameDirectory = true;

constexpr CommandSpec kCommands[] = {
    {"list",
     {},
     kListOptions,
     "list --game dtr|sc [--json]",
     "list the setups in the game's store: position, slot and name",
     runList,
     kNeedsGameDirectory},
    {"export", kExportArguments, kExportOptions,
     "export --game dtr|sc --slot K --name NAME --to DIR [--replace]",
     "write the setup in slot K to DIR/NAME.set (.dts), left read-only; an existing file only "
     "with --replace",
     runExport, kNeedsGameDirectory},
    {"import", kSetupFile, kImportOptions, "import --game dtr|sc FILE [--delete]",
     "put the setup of FILE into the first free slot; the file is kept unless --delete", runImport,
     kNeedsGameDirectory},
    {"delete",
     {},
     kDeleteOptions,
     "delete --game dtr|sc --slot K",
     "delete the setup in slot K; the later setups move up one slot",
     runDelete,
     kNeedsGameDirectory},
    {"sort",
     {},
     kStoreOptions,
     "sort --game dtr|sc",
     "sort the store by name, by character code",
     runSort,
     kNeedsGameDirectory},
    {"backup",
     {},
     kStoreOptions,
     "backup --game dtr|sc",
     "rewrite setups.bak from setups.sav",
     runBackup,
     kNeedsGameDirectory},
    {"restore",
     {},
     kStoreOptions,
     "restore --game dtr|sc",
     "put setups.bak back as setups.sav",
     runRestore,
     kNeedsGameDirectory},
    {"store-export",
     {},
     kStoreExportOptions,
     "store-export --game dtr|sc --to DIR",
     "copy the whole store into DIR as \"Dtr setups.sav\" or \"Sc setups.sav\"",
     runStoreExport,
     kNeedsGameDirectory},
    {"store-import", kStoreCopy, kStoreOptions, "store-import --game dtr|sc FILE",
     "replace the whole store by the copy FILE", runStoreImport, kNeedsGameDirectory},
    {"history list",
     {},
     kHistoryJsonOptions,
     "history list --game dtr|sc [--json]",
     "list the generations of the store's backup history, newest first",
     runHistoryList,
     kNeedsGameDirectory},
    {"history show", kGenerationId, kHistoryJsonOptions, "history show --game dtr|sc ID [--json]",
     "show what restoring generation ID would bring back, remove, change and reorder",
     runHistoryShow, kNeedsGameDirectory},
    {"history restore", kGenerationId, kHistoryRestoreOptions,
     "history restore --game dtr|sc ID [--dry-run]",
     "put generation ID back as setups.sav; the store it replaces is kept in the history",
     runHistoryRestore, kNeedsGameDirectory},
    {"history pin", kGenerationId, kStoreOptions, "history pin --game dtr|sc ID",
     "keep generation ID until it is unpinned", runHistoryPin, kNeedsGameDirectory},
    {"history unpin", kGenerationId, kStoreOptions, "history unpin --game dtr|sc ID",
     "let generation ID be pruned again with the older generations", runHistoryUnpin,
     kNeedsGameDirectory},
    {"rename-file", kRenameArguments, kRenameOptions,
     "rename-file --game dtr|sc FILE NEWNAME [--replace]",
     "rename a setup file to NEWNAME.set (.dts), left read-only; over an existing file only with "
     "--replace",
     runRenameFile},
    {"trash-file",
     kTrashArguments,
     {},
     "trash-file FILE",
     "move a setup file or a copy (never a folder) to the trash",
     runTrashFile},
    {"registry get",
     kKeyName,
     {},
     "registry get KEY NAME",
     "print a registry value",
     runRegistryGet},
    {"registry set", kKeyNameValue, kRegistrySetOptions, "registry set KEY NAME VALUE [--dword]",
     "write a registry value, creating the key when missing", runRegistrySet},
    {"registry delete",
     kKeyName,
     {},
     "registry delete KEY NAME",
     "delete a registry value",
     runRegistryDelete},
    {"registry import-wine",
     {},
     kImportWineOptions,
     "registry import-wine [--game dtr|sc] [--wine-prefix DIR] [--dry-run]",
     "show where Wine installed the games and write their Linux folders as the game directories",
     runRegistryImportWine},
};

} // namespace

std::span<const OptionSpec> optionTable()
{
    return kOptions;
}

const OptionSpec& optionSpec(Option option)
{
    return kOptions[static_cast<std::size_t>(option)];
}

std::span<const CommandSpec> commandTable()
{
    return kCommands;
}

std::span<const CommandOption> everyCommandOptions()
{
    return kEveryCommand;
}

std::span<const CommandOption> windowOptions()
{
    return kWindows;
}

} // namespace tarvelin::cli
