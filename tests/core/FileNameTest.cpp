// SPDX-License-Identifier: GPL-3.0-or-later
// Names that are not UTF-8, as Linux allows: every command must reach the file by its own bytes.
// The fixtures are made and checked with plain POSIX calls on raw bytes, never through the
// utility's own name conversion.
#include "core/cli/TerminalText.h"
#include "core/files/FileTrashing.h"
#include "core/files/SetupFileList.h"
#include "core/files/SetupFileRename.h"
#include "core/files/SubfolderList.h"
#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"
#include "core/platform/Trash.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StoreOpening.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"
#include "support/FileTree.h"
#include "support/ScopedEnvironment.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarvelin;

namespace
{

bool rawExists(const QByteArray& path)
{
    struct stat info {
    };
    return ::lstat(path.constData(), &info) == 0;
}

QByteArray rawRead(const QByteArray& path)
{
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return "(missing)";
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

QString decoded(const char* bytes)
{
    return decodeFileName(QByteArrayView(bytes, qsizetype(std::strlen(bytes))));
}

TEST(FileName, EveryByteSequenceRoundTripsAndValidUtf8IsPlainText)
{
    // Every one- and two-byte sequence, and many longer ones over the bytes that start, continue
    // or break a UTF-8 sequence (overlong forms, encoded surrogates, past U+10FFFF).
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            QByteArray bytes(1, char(a));
            if (b >= 0)
                bytes += char(b);
            if (a == 0 || b == 0)
                continue; // no name holds a NUL
            ASSERT_EQ(encodeFileName(decodeFileName(bytes)), bytes) << bytes.toHex().data();
        }
    }
    const unsigned char edges[] = {'a',  0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1,
                                   0xC2, 0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFF};
    std::mt19937 random(17);
    for (int round = 0; round < 200000; ++round) {
        QByteArray bytes;
        for (int i = 1 + int(random() % 7); i > 0; --i)
            bytes += char(edges[random() % sizeof edges]);
        const QString name = decodeFileName(bytes);
        ASSERT_EQ(encodeFileName(name), bytes) << bytes.toHex().data();
        ASSERT_EQ(decodeFileName(encodeFileName(name)), name);
    }

    // Valid UTF-8, real U+FFFD and characters outside the BMP among it, is the text Qt reads;
    // U+1F480's low surrogate is U+DC80, which is no escaped byte there.
    for (const char* text : {"Caf\xC3\xA9.set", "\xEF\xBF\xBD.set",
                             "\xF0\x9F\x92\x80 \xF0\x9D\x84\x9E", "\xF4\x8F\xBF\xBF"}) {
        const QString name = decoded(text);
        EXPECT_EQ(name, QString::fromUtf8(text));
        EXPECT_EQ(encodeFileName(name), QByteArray(text));
        EXPECT_EQ(shownFileName(name), name);
        EXPECT_EQ(cli::terminalText(name), name);
    }

    // Each byte that is not UTF-8 is one escape, shown as U+FFFD and as \xNN on the terminal;
    // an encoded surrogate is three such bytes, never the escape of a byte.
    const QString cafe = decoded("Caf\xE9.set");
    EXPECT_EQ(cafe, QStringLiteral("Caf") + QChar(0xDCE9) + QStringLiteral(".set"));
    EXPECT_EQ(shownFileName(cafe), QStringLiteral("Caf\uFFFD.set"));
    EXPECT_EQ(cli::terminalText(cafe), QStringLiteral("Caf\\xe9.set"));
    EXPECT_EQ(decoded("\xED\xB2\x80").size(), 3);
    EXPECT_EQ(decoded("\xC0\xAF\xF0\x9F\x92").size(), 5);
    EXPECT_EQ(shownFileName(decoded("\xC3\xA9\xFF\xF0\x9F\x92\x80")),
              QStringLiteral("\u00E9\uFFFD") + QString::fromUtf8("\xF0\x9F\x92\x80"));
}

// The rename field shows a name's unreadable bytes as U+FFFD; what the player leaves of them
// names those bytes again, in order, and nothing else is guessed.
TEST(FileName, ShownBytesComeBackInTheirOrderWhenAllAreStillThere)
{
    const QString name = decoded("\xE9t\xE9 \xEF\xBF\xBD");
    const QString two = QStringLiteral("\uFFFD");
    const struct {
        QString typed;
        QString expected;
    } cases[] = {
        {shownFileName(name), name},
        {two + QStringLiteral("t") + two + QStringLiteral("! ") + two,
         decoded("\xE9t\xE9! \xEF\xBF\xBD")},
        {two + two, two + two},
        {QStringLiteral("plain"), QStringLiteral("plain")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(restoreShownBytes(c.typed, name), c.expected) << qPrintable(c.typed);
    EXPECT_EQ(restoreShownBytes(two, QStringLiteral("ok")), two);
}

class FileNameCommands : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // QTemporaryDir would look for these names re-encoded and leave them.
        std::filesystem::remove_all(root().toStdString());
    }

    QByteArray root() const { return QFile::encodeName(scratch.path()); }

    QTemporaryDir scratch;
    const fixture::ScopedEnvironment dataHome{"XDG_DATA_HOME",
                                              QFile::encodeName(scratch.filePath("data"))};
    const GameProfile& profile = DirtTrackRacingProfile;
};

TEST_F(FileNameCommands, SetupFilesAreListedImportedExportedRenamedAndTrashedByTheirBytes)
{
    const QByteArray folderBytes = root() + "/Pist\xE9s";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0755), 0);
    const QByteArray setup = fixture::dtrSlot("Oval", 4);
    fixture::writeRawFile(folderBytes + "/Caf\xE9.set", setup);
    fixture::writeRawFile(folderBytes + "/Ok.set", fixture::dtrSlot("Mile", 5));
    const QString folder = decodeFileName(folderBytes);
    const QString cafe = decoded("Caf\xE9.set");

    EXPECT_EQ(listSubfolders(decodeFileName(root())), QStringList{decoded("Pist\xE9s")});
    EXPECT_EQ(listSetupFiles(folder, QStringLiteral("*.set*")), (QStringList{cafe, "Ok.set"}));

    fixture::GameDir game;
    game.write("setups.sav", fixture::store({}));
    const ImportOutcome imported = importSetup(
        {.gameDirectory = game.root(), .profile = &profile, .folder = folder, .chosenFile = cafe});
    ASSERT_EQ(imported.importedSlot, 1) << imported.detail.toStdString();
    EXPECT_EQ(game.read("setups.sav"), fixture::store({setup}));

    const ExportOutcome exported = exportSetup({.gameDirectory = game.root(),
                                                .profile = &profile,
                                                .selectedSlot = 1,
                                                .exportName = decoded("R\xE9serve"),
                                                .folder = folder});
    ASSERT_TRUE(exported.done) << exported.detail.toStdString();
    EXPECT_EQ(rawRead(folderBytes + "/R\xE9serve.set"), setup);
    EXPECT_EQ(encodeFileName(exported.writtenFile), folderBytes + "/R\xE9serve.set");

    const SetupFileRenameOutcome renamed = renameSetupFile(folder, cafe, "Neuf", profile, false);
    ASSERT_TRUE(renamed.done) << renamed.detail.toStdString();
    EXPECT_FALSE(rawExists(folderBytes + "/Caf\xE9.set"));
    EXPECT_EQ(rawRead(folderBytes + "/Neuf.set"), setup);

    SystemTrash trash;
    const TrashOutcome trashed = trashSelectedFile(folder, decoded("R\xE9serve.set"), trash,
                                                   [](const Message&) { return true; });
    ASSERT_TRUE(trashed.done) << trashed.detail.toStdString();
    EXPECT_FALSE(rawExists(folderBytes + "/R\xE9serve.set"));
    const QByteArray trashFolder = root() + "/data/Trash";
    EXPECT_EQ(rawRead(trashFolder + "/files/R\xE9serve.set"), setup);
    EXPECT_EQ(encodeFileName(trashed.pathInTrash), trashFolder + "/files/R\xE9serve.set");
    EXPECT_TRUE(rawRead(trashFolder + "/info/R\xE9serve.set.trashinfo")
                    .contains("\nPath=" + root() + "/Pist%E9s/R%E9serve.set\n"));
    EXPECT_TRUE(rawExists(folderBytes + "/Ok.set"));
}

TEST_F(FileNameCommands, AGameFolderNamedSoOpensChangesAndCopiesItsStore)
{
    const QByteArray gameBytes = root() + "/J\xE9r\xF4me";
    const QByteArray saved = gameBytes + "/data/saved games";
    ASSERT_EQ(::mkdir(gameBytes.constData(), 0755), 0);
    ASSERT_EQ(::mkdir((gameBytes + "/data").constData(), 0755), 0);
    ASSERT_EQ(::mkdir(saved.constData(), 0755), 0);
    const QByteArray store = fixture::storeOf({"Zeta", "Alpha"}, fixture::kDtrTrailingWords);
    fixture::writeRawFile(saved + "/setups.sav", store);
    fixture::writeRawFile(saved + "/.tarvelin-setup-utility.Ab12Cd",
                          "a leftover of a write cut short");
    const QString gameDirectory = decodeFileName(gameBytes);
    const RecordLayout layout = profile.recordLayout();

    const StoreOpening opening = openStoreAndBackUp(gameDirectory, layout);
    ASSERT_TRUE(opening.storeRead);
    EXPECT_EQ(opening.store.counters.total, 2);
    EXPECT_EQ(rawRead(saved + "/setups.bak"), store);

    const StoreCommandOutcome sorted = sortStore(gameDirectory, layout);
    ASSERT_TRUE(sorted.done) << sorted.detail.toStdString();
    EXPECT_EQ(rawRead(saved + "/setups.sav"),
              fixture::store({fixture::dtrSlot("Alpha", 2), fixture::dtrSlot("Zeta", 1)}));
    EXPECT_FALSE(rawExists(saved + "/.tarvelin-setup-utility.Ab12Cd"));
    const HistoryListOutcome history = listHistory(gameDirectory, layout);
    ASSERT_FALSE(history.generations.empty());
    EXPECT_EQ(history.generations.front().command, QStringLiteral("opening"));

    // The whole store out to a folder so named and back in from it.
    const QByteArray transfer = root() + "/Copie \xC0";
    ASSERT_EQ(::mkdir(transfer.constData(), 0755), 0);
    const StoreCopyOutcome out = exportStoreCopy(gameDirectory, decodeFileName(transfer), profile);
    ASSERT_TRUE(out.done) << out.detail.toStdString();
    EXPECT_EQ(rawRead(transfer + "/Dtr setups.sav").size(), store.size());
    fixture::writeRawFile(saved + "/setups.sav", fixture::store({}));
    const StoreCopyOutcome in =
        importStoreCopy(gameDirectory, decodeFileName(transfer), "Dtr setups.sav", profile);
    ASSERT_TRUE(in.done) << in.detail.toStdString();
    EXPECT_EQ(rawRead(saved + "/setups.sav").mid(4), rawRead(transfer + "/Dtr setups.sav").mid(4));
}

} // namespace
