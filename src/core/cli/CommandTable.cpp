// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/CommandTable.h"

#include "core/cli/FileCommandLine.h"
#include "core/cli/HelpCommandLine.h"
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
    {All, "all", 0, {}, ValueKind::None, "every setup of the store"},
    {Name, "name", 0, "NAME", ValueKind::Text, "the name of the file, without .set or .dts"},
    {To, "to", 0, "DIR", ValueKind::Directory, "the folder to write into"},
    {Json,
     "json",
     0,
     {},
     ValueKind::None,
     "print the result as JSON on standard output, the messages included (see JSON OUTPUT)"},
    {Delete, "delete", 0, {}, ValueKind::None, "delete the setup file once it is in the store"},
    {KeepGoing,
     "keep-going",
     0,
     {},
     ValueKind::None,
     "pass over a file that is refused and import the others"},
    {Dword, "dword", 0, {}, ValueKind::None, "write VALUE as a whole number (dword), not as text"},
    {DryRun,
     "dry-run",
     0,
     {},
     ValueKind::None,
     "only show what would be written, replaced or removed; nothing is changed"},
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
    {Version, "version", 'V', {}, ValueKind::None, "print the version"},
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

constexpr CommandOption kDryRunOption{.option = DryRun};

constexpr CommandOption kStoreOptions[] = {kGameOption, kGameDirOption, kWinePrefixOption};
constexpr CommandOption kStoreChangeOptions[] = {kGameOption, kGameDirOption, kWinePrefixOption,
                                                 kDryRunOption};
constexpr CommandOption kExportOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = Slot,
     .help = "the slot of a setup to export; with several, or --all, each is written under its "
             "own name",
     .repeatable = true},
    {.option = All, .help = "export every setup of the store, each under its own name"},
    {.option = Name,
     .help = "the file's name, for one setup: DIR/NAME.set, or NAME.dts for Sprint Cars"},
    {.option = To, .required = true, .help = "the folder the setup files are written into"},
    {.option = Replace},
    kDryRunOption,
};
constexpr CommandOption kImportOptions[] = {kGameOption,           kGameDirOption,
                                            kWinePrefixOption,     {.option = Delete},
                                            {.option = KeepGoing}, kDryRunOption};
constexpr CommandOption kDeleteOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = Slot, .required = true, .help = "the slot of the setup to delete"},
    kDryRunOption,
};
constexpr CommandOption kStoreExportOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = To, .required = true, .help = "the folder the copy of the store is written into"},
    {.option = Replace},
    kDryRunOption,
};
constexpr CommandOption kHistoryRestoreOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = DryRun, .help = "only show what the restore would change; the store is not changed"},
};
constexpr CommandOption kHistoryUndoOptions[] = {
    kGameOption,
    kGameDirOption,
    kWinePrefixOption,
    {.option = DryRun, .help = "only show what the undo would change; the store is not changed"},
};
constexpr CommandOption kRenameOptions[] = {
    {.option = Game, .required = true}, {.option = Replace}, kDryRunOption};
constexpr CommandOption kTrashOptions[] = {kDryRunOption};
constexpr CommandOption kRegistryChangeOptions[] = {kDryRunOption};
constexpr CommandOption kRegistrySetOptions[] = {{.option = Dword}, kDryRunOption};
constexpr CommandOption kImportWineOptions[] = {
    {.option = Game, .help = "only this game (default: both)"},
    {.option = WinePrefix,
     .help = "only this Wine prefix (default: every place a player keeps one)"},
    {.option = DryRun, .help = "only show what was found; the registry file is not changed"},
};

constexpr CommandOption kEveryCommand[] = {
    {.option = Json}, {.option = Registry}, {.option = Verbose}, {.option = Help}};
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
constexpr ArgumentSpec kSetupFiles[] = {
    {.name = "FILE",
     .kind = ValueKind::File,
     .help = "a setup file (.set, or .dts for Sprint Cars); several are imported in their order",
     .repeatable = true},
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

constexpr ArgumentSpec kHelpArguments[] = {
    {.name = "COMMAND",
     .kind = ValueKind::Command,
     .help = "a command, or the first word of two-word commands (history, registry)",
     .optional = true},
    {.name = "SUBCOMMAND",
     .kind = ValueKind::Text,
     .help = "the second word of a two-word command",
     .optional = true},
};

// The game directory is found before the command runs.
constexpr bool kNeedsGameDirectory = true;

constexpr CommandSpec kCommands[] = {
    {"list",
     {},
     kStoreOptions,
     "list --game dtr|sc [--json]",
     "list the setups in the game's store: position, slot and name",
     runList,
     kNeedsGameDirectory},
    {"export", kExportArguments, kExportOptions,
     "export --game dtr|sc --slot K... | --all [--name NAME] --to DIR [--replace] [--dry-run]",
     "write the setup in slot K to DIR/NAME.set (.dts), left read-only; without --name, each "
     "setup named by --slot (or every one, with --all) to DIR under its own name, none unless "
     "all can be; an existing file only with --replace",
     runExport, kNeedsGameDirectory,
     "file: the setup file; replaced: whether a file of that name was "
     "replaced; without --name, files: the files written instead, and "
     "would_replace: the existing files that stopped the export"},
    {"import", kSetupFiles, kImportOptions,
     "import --game dtr|sc FILE... [--delete] [--keep-going] [--dry-run]",
     "put the setup of each FILE into the first free slot, in one write of the store; when one "
     "is refused nothing is imported, unless --keep-going; the files are kept unless --delete",
     runImport, kNeedsGameDirectory,
     "file: the setup file; slot: the slot its setup went into (0: none); "
     "file_deleted: whether the file was deleted; for several files, files: "
     "one object a file imported, with file, slot and file_deleted, and "
     "refused: the files refused; store: setups.sav; setups: the setups the "
     "store holds"},
    {"delete",
     {},
     kDeleteOptions,
     "delete --game dtr|sc --slot K [--dry-run]",
     "delete the setup in slot K; the later setups move up one slot",
     runDelete,
     kNeedsGameDirectory,
     "slot: the slot named; store: setups.sav; setups: the setups the "
     "store holds; changes: in a dry run, the setups added, removed, "
     "changed and whether they are reordered"},
    {"sort",
     {},
     kStoreChangeOptions,
     "sort --game dtr|sc [--dry-run]",
     "sort the store by name, by character code",
     runSort,
     kNeedsGameDirectory,
     "store: setups.sav; setups: the setups the store holds; changes: in a "
     "dry run, as for delete"},
    {"backup",
     {},
     kStoreChangeOptions,
     "backup --game dtr|sc [--dry-run]",
     "rewrite setups.bak from setups.sav",
     runBackup,
     kNeedsGameDirectory,
     "backup: setups.bak; setups: the setups it holds"},
    {"restore",
     {},
     kStoreChangeOptions,
     "restore --game dtr|sc [--dry-run]",
     "put setups.bak back as setups.sav",
     runRestore,
     kNeedsGameDirectory,
     "store: setups.sav; setups: the setups the store holds; changes: in a "
     "dry run, as for delete"},
    {"store-export",
     {},
     kStoreExportOptions,
     "store-export --game dtr|sc --to DIR [--replace] [--dry-run]",
     "copy the whole store into DIR as \"Dtr setups.sav\" or \"Sc setups.sav\"; an existing "
     "copy only with --replace",
     runStoreExport,
     kNeedsGameDirectory,
     "file: the copy; replaced: whether an older copy was replaced; "
     "setups: the setups it holds"},
    {"store-import", kStoreCopy, kStoreChangeOptions, "store-import --game dtr|sc FILE [--dry-run]",
     "replace the whole store by the copy FILE", runStoreImport, kNeedsGameDirectory,
     "file: the copy; store: setups.sav; setups: the setups the store "
     "holds; changes: in a dry run, as for delete"},
    {"history list",
     {},
     kStoreOptions,
     "history list --game dtr|sc [--json]",
     "list the generations of the store's backup history, newest first",
     runHistoryList,
     kNeedsGameDirectory},
    {"history show", kGenerationId, kStoreOptions, "history show --game dtr|sc ID [--json]",
     "show what restoring generation ID would bring back, remove, change and reorder",
     runHistoryShow, kNeedsGameDirectory},
    {"history restore", kGenerationId, kHistoryRestoreOptions,
     "history restore --game dtr|sc ID [--dry-run]",
     "put generation ID back as setups.sav; the store it replaces is kept in the history",
     runHistoryRestore, kNeedsGameDirectory,
     "generation: ID; kept_generation: the generation that keeps the store "
     "replaced (0: none); setups: the setups the store holds, unless a dry "
     "run; changes: as history show prints them"},
    {"history undo",
     {},
     kHistoryUndoOptions,
     "history undo --game dtr|sc [--dry-run]",
     "undo the last change: put back the newest generation that differs from the store; the "
     "store it replaces is kept, so a second undo takes the first back",
     runHistoryUndo,
     kNeedsGameDirectory,
     "generation: the generation put back; kept_generation: as for history "
     "restore; setups: the setups the store holds, unless a dry run; "
     "changes: as history show prints them"},
    {"history pin", kGenerationId, kStoreChangeOptions, "history pin --game dtr|sc ID [--dry-run]",
     "keep generation ID until it is unpinned", runHistoryPin, kNeedsGameDirectory,
     "generation: ID; pinned: true"},
    {"history unpin", kGenerationId, kStoreChangeOptions,
     "history unpin --game dtr|sc ID [--dry-run]",
     "let generation ID be pruned again with the older generations", runHistoryUnpin,
     kNeedsGameDirectory, "generation: ID; pinned: false"},
    {"rename-file", kRenameArguments, kRenameOptions,
     "rename-file --game dtr|sc FILE NEWNAME [--replace] [--dry-run]",
     "rename a setup file to NEWNAME.set (.dts), left read-only; over an existing file only with "
     "--replace",
     runRenameFile, false, "file: FILE; new_file: the file it is renamed to"},
    {"trash-file", kTrashArguments, kTrashOptions, "trash-file FILE [--dry-run]",
     "move a setup file or a copy (never a folder) to the trash", runTrashFile, false,
     "file: FILE; in_trash: where it lies in the trash"},
    {"registry get",
     kKeyName,
     {},
     "registry get KEY NAME",
     "print a registry value",
     runRegistryGet,
     false,
     "registry: the registry file; key: KEY; name: NAME; value: the value, "
     "text or number"},
    {"registry set", kKeyNameValue, kRegistrySetOptions,
     "registry set KEY NAME VALUE [--dword] [--dry-run]",
     "write a registry value, creating the key when missing", runRegistrySet, false,
     "registry: the registry file; key: KEY; name: NAME; value: VALUE"},
    {"registry delete", kKeyName, kRegistryChangeOptions, "registry delete KEY NAME [--dry-run]",
     "delete a registry value", runRegistryDelete, false,
     "registry: the registry file; key: KEY; name: NAME"},
    {"registry import-wine",
     {},
     kImportWineOptions,
     "registry import-wine [--game dtr|sc] [--wine-prefix DIR] [--dry-run]",
     "show where Wine installed the games and write their Linux folders as the game directories",
     runRegistryImportWine,
     false,
     "registry: the registry file; prefix: the Wine prefix; games: one "
     "object a game, with game, windows_path, linux_path and written"},
    {"help",
     kHelpArguments,
     {},
     "help [COMMAND [SUBCOMMAND]]",
     "show the program's help, or the help of COMMAND: its usage, arguments and options",
     runHelp},
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
