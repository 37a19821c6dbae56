// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/demo/DemoData.h"

#include "core/Logging.h"
#include "core/game/GameProfile.h"
#include "core/names/Windows1252.h"
#include "core/platform/FolderSteps.h"
#include "core/registry/Registry.h"
#include "core/store/StoreFile.h"

#include <QStandardPaths>

namespace tarvelin
{

namespace
{

const char* const kDirtTrackNames[] = {
    "Eldora Big Half Mile", "Knoxville Dry Slick", "Williams Grove Tacky",  "Volusia Night Race",
    "Lernerville Heat",     "Café Corner Loose",   "Short Track Qualifier", "10 Lap Dash",
    "9 Lap Trophy Dash",    "Rain Delay Heavy",    "I-55 Feature",          "Tight Bottom Groove",
};

const char* const kSprintCarNames[] = {
    "410 Wing Eldora",    "360 Knoxville",    "Wingless Perris",
    "Port Royal Cushion", "Tulare Dry",       "Chico Tacky",
    "Skagit Qualifier",   "Oval 2",           "Oval",
    "Sprint Café Setup",  "Heat 4 Inversion", "Dash For Cash",
};

// The game's own values are opaque to the utility; any deterministic bytes will do.
void fillOpaque(SetupRecord& record, quint32 seed)
{
    quint32 state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<char>(state >> 24);
    };
    for (char& byte : record.leadingWords)
        byte = next();
    for (char& byte : record.blocks)
        byte = next();
    for (char& byte : record.trailingWords)
        byte = next();
}

SetupTable demoTable(const char* const (&names)[12], quint32 seed, const RecordLayout& layout)
{
    SetupTable table;
    int slot = 1;
    for (const char* name : names) {
        SetupRecord& record = table.entry(slot);
        record.used = 1;
        record.name = encodeWindows1252(QString::fromUtf8(name));
        fillOpaque(record, seed + static_cast<quint32>(slot));
        // Trailing words past the game's count are not part of its records.
        std::fill(record.trailingWords.begin() + layout.trailingWordsSize(),
                  record.trailingWords.end(), '\0');
        ++slot;
    }
    return table;
}

bool writeGame(const QString& gameDirectory, const QString& setupFolder, const GameProfile& profile,
               const char* const (&names)[12], quint32 seed)
{
    const QString savedGames = gameDirectory + QStringLiteral("/data/saved games");
    if (!makeFolders(savedGames, PathKind::DemoFolder) ||
        !makeFolders(setupFolder, PathKind::DemoFolder))
        return false;
    const RecordLayout layout = profile.recordLayout();
    const SetupTable table = demoTable(names, seed, layout);
    if (!WriteSlots(savedGames + QStringLiteral("/setups.sav"), table, layout))
        return false;
    // A few setups shared by other players, as the export writes them.
    for (int slot = 1; slot <= 4; ++slot) {
        SetupRecord record = table.entry(slot);
        fillOpaque(record, seed * 7 + static_cast<quint32>(slot));
        record.name = QByteArray("Shared ") + record.name;
        const QString fileName =
            QStringLiteral("%1 shared%2")
                .arg(decodeWindows1252(table.entry(slot).name), profile.SetupFileExtension);
        if (!saveFileAtomically(joinPath(setupFolder, fileName),
                                serializeSetupFile(record, layout)))
            return false;
    }
    return true;
}

} // namespace

QString defaultDemoRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tarvelin-setup-utility/demo");
}

DemoData buildDemo(const QString& root)
{
    DemoData demo;
    demo.root = root;
    demo.dirtTrackDirectory = root + QStringLiteral("/Dirt Track Racing");
    demo.sprintCarsDirectory = root + QStringLiteral("/Sprint Cars");
    demo.dirtTrackSetupFolder = root + QStringLiteral("/Setups/Dirt Track Racing");
    demo.sprintCarsSetupFolder = root + QStringLiteral("/Setups/Sprint Cars");
    const QString registryFile = root + QStringLiteral("/registry.reg");

    if (const FileResult removed = removeOwnFolder(root, PathKind::DemoFolder); !removed)
        qCWarning(lcDemo).noquote() << "the old demo is left:" << removed.error;
    if (!writeGame(demo.dirtTrackDirectory, demo.dirtTrackSetupFolder, DirtTrackRacingProfile,
                   kDirtTrackNames, 100) ||
        !writeGame(demo.sprintCarsDirectory, demo.sprintCarsSetupFolder, SprintCarsProfile,
                   kSprintCarNames, 200)) {
        qCWarning(lcDemo) << "could not write the demo games under" << root;
        return demo;
    }

    Registry registry(registryFile);
    const QString utilityKey = QString::fromLatin1(UtilityKey);
    const bool written =
        registry.ensureCreated() && registry.createKey(DirtTrackRacingProfile.GameKey) &&
        registry.createKey(SprintCarsProfile.GameKey) &&
        registry.SetKeyValue(DirtTrackRacingProfile.GameKey,
                             DirtTrackRacingProfile.DirectoryValueName, demo.dirtTrackDirectory,
                             RegistryType::String) &&
        registry.SetKeyValue(SprintCarsProfile.GameKey, SprintCarsProfile.DirectoryValueName,
                             demo.sprintCarsDirectory, RegistryType::String) &&
        registry.createKey(utilityKey) &&
        registry.SetKeyValue(utilityKey, DirtTrackRacingProfile.FolderValueName,
                             demo.dirtTrackSetupFolder, RegistryType::String) &&
        registry.SetKeyValue(utilityKey, SprintCarsProfile.FolderValueName,
                             demo.sprintCarsSetupFolder, RegistryType::String);
    if (!written) {
        qCWarning(lcDemo) << "could not write the demo registry" << registryFile;
        return demo;
    }
    demo.registryFile = registryFile;
    return demo;
}

} // namespace tarvelin
