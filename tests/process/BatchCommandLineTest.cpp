// SPDX-License-Identifier: GPL-3.0-or-later
// The built command line on several files and setups at once: import of several files as one
// change of the store, export of several setups each under its own name, and history undo.
#include "support/ProgramRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace
{

using Finished = fixture::Ran;

const std::map<QString, QByteArray>& setupFiles()
{
    static const std::map<QString, QByteArray> files{
        {"a.set", fixture::dtrSlot("A", 1)},
        {"b.set", fixture::dtrSlot("B", 2)},
        {"c.set", fixture::dtrSlot("C", 3)},
        {"sc.set", fixture::usedSlot("Sprint", fixture::kScTrailingWords, 4)},
        {"junk.set", QByteArray("not a setup")},
    };
    return files;
}

class BatchCommandLine : public ::testing::Test
{
protected:
    Finished run(const fixture::GameDir& on, QStringList arguments)
    {
        arguments << "--game"
                  << "dtr"
                  << "--game-dir" << on.root() << "--registry" << scratch.filePath("r.reg");
        return fixture::runProgram(QStringLiteral(TARVELIN_CLI), arguments,
                                   {.winePrefix = scratch.filePath("wine")});
    }
    // The generations history list shows, one line each.
    QStringList generations(const fixture::GameDir& on)
    {
        const Finished listed = run(on, {"history", "list"});
        EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
        return listed.out.split('\n', Qt::SkipEmptyParts);
    }
    QString file(const QString& name) const { return scratch.filePath(name); }

    QTemporaryDir scratch;
};

std::vector<QByteArray> storedSlots(int count)
{
    std::vector<QByteArray> slots;
    for (int k = 1; k <= count; ++k)
        slots.push_back(fixture::dtrSlot("Stored " + QByteArray::number(k), k));
    return slots;
}

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts);
}

struct ImportRow {
    const char* what;
    int storedBefore;
    const char* files; // "a" for a.set
    const char* options;
    int exitCode;
    const char* imported; // the files whose setups went in (or would), in order
    const char* said;     // a line standard error holds
    bool written = true;  // the store holds them afterwards: not a dry run
};

const ImportRow kImportRows[] = {
    {"all good", 1, "a b c", "", 0, "a b c", ""},
    {"one of the other game", 1, "a sc b", "", 1, "",
     "/sc.set is not a setup file of Dirt Track Racing. Nothing was imported."},
    {"one not a setup", 0, "junk a", "", 1, "",
     "/junk.set is not a setup file of Dirt Track Racing. Nothing was imported."},
    {"the store full midway", 298, "a b c", "", 1, "", "The store is full: it holds 300 setups."},
    {"keep going", 298, "a sc b c", "--keep-going", 1, "a b", "2 of 4 setups were imported."},
    {"a dry run", 1, "a b", "--dry-run", 0, "a b", "would hold 3 setups (adds \"A\", \"B\").",
     false},
};

TEST_F(BatchCommandLine, ImportOfSeveralFilesIsOneChangeOrNone)
{
    for (const auto& [name, bytes] : setupFiles())
        fixture::writeFile(file(name), bytes);
    for (const ImportRow& row : kImportRows) {
        SCOPED_TRACE(row.what);
        const fixture::GameDir game;
        const std::vector<QByteArray> before = storedSlots(row.storedBefore);
        game.write("setups.sav", fixture::store(before));
        QStringList line{"import"};
        for (const QString& name : words(row.files))
            line << file(name + ".set");

        const Finished result = run(game, line + words(row.options));

        EXPECT_EQ(result.exitCode, row.exitCode) << result.err.toStdString();
        std::vector<QByteArray> after = before;
        QString slots;
        for (const QString& name : words(row.imported)) {
            after.push_back(setupFiles().at(name + ".set"));
            slots += QStringLiteral("%1\t%2\n").arg(after.size()).arg(file(name + ".set"));
        }
        EXPECT_EQ(game.read("setups.sav"), fixture::store(row.written ? after : before));
        EXPECT_EQ(result.out, slots);
        EXPECT_TRUE(result.err.contains(row.said)) << result.err.toStdString();
        const QStringList kept = generations(game);
        EXPECT_EQ(kept.size(), row.written && *row.imported ? 1 : 0);
        if (!kept.isEmpty()) {
            EXPECT_EQ(kept.front().section('\t', 2, 2), QStringLiteral("import"));
        }
    }
}

TEST_F(BatchCommandLine, ExportOfSeveralSetupsWritesEachUnderItsOwnName)
{
    const fixture::GameDir game;
    game.write("setups.sav",
               fixture::store({fixture::dtrSlot("Alpha", 1), fixture::dtrSlot("Bravo", 2),
                               fixture::dtrSlot("Alpha", 3), fixture::dtrSlot("Charlie", 4)}));
    const QString to = file("to");
    ASSERT_TRUE(QDir().mkpath(to));

    const Finished two = run(game, {"export", "--slot", "4", "--slot", "2", "--to", to});
    ASSERT_EQ(two.exitCode, 0) << two.err.toStdString();
    EXPECT_EQ(two.out, to + "/Charlie.set\n" + to + "/Bravo.set\n");
    EXPECT_EQ(fixture::readFile(to + "/Bravo.set"), fixture::dtrSlot("Bravo", 2));

    // Each refused whole: nothing written beside the two files above.
    const std::vector<std::pair<QStringList, QString>> refusals = {
        {{"export", "--all", "--to", to}, "The setups in slots 1 and 3 have the same name"},
        {{"export", "--slot", "1", "--slot", "3", "--to", to, "--replace"},
         "The setups in slots 1 and 3 have the same name"},
        {{"export", "--slot", "1", "--slot", "2", "--to", to},
         "/Bravo.set already exists and is read-only."},
    };
    for (const auto& [line, said] : refusals) {
        SCOPED_TRACE(line.join(' ').toStdString());
        const Finished result = run(game, line);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains(said)) << result.err.toStdString();
        EXPECT_EQ(QDir(to).entryList(QDir::Files), (QStringList{"Bravo.set", "Charlie.set"}));
    }
}

TEST_F(BatchCommandLine, HistoryUndoTakesBackTheImportAndThenItself)
{
    const fixture::GameDir game;
    const QByteArray before = fixture::store(storedSlots(1));
    game.write("setups.sav", before);
    const Finished nothing = run(game, {"history", "undo"});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_EQ(nothing.err, QStringLiteral("There is nothing to undo.\n"));

    fixture::writeFile(file("a.set"), setupFiles().at("a.set"));
    fixture::writeFile(file("b.set"), setupFiles().at("b.set"));
    ASSERT_EQ(run(game, {"import", file("a.set"), file("b.set")}).exitCode, 0);
    const QByteArray imported = game.read("setups.sav");

    const Finished dry = run(game, {"history", "undo", "--dry-run"});
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_EQ(game.read("setups.sav"), imported);

    const Finished undone = run(game, {"history", "undo", "--json"});
    ASSERT_EQ(undone.exitCode, 0) << undone.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(undone.out.toUtf8()).object();
    EXPECT_EQ(json["generation"].toInt(), 1);
    EXPECT_EQ(json["setups"].toInt(), 1);
    EXPECT_EQ(game.read("setups.sav"), before);

    ASSERT_EQ(run(game, {"history", "undo"}).exitCode, 0);
    EXPECT_EQ(game.read("setups.sav"), imported);
}

} // namespace
