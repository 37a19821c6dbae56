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

struct ImportRow {
    const char* what;
    int storedBefore;
    QStringList files;
    QStringList options;
    int exitCode;
    QStringList imported; // the files whose setups went in (or would), in order
    QString said;         // a line standard error holds; empty: none
    bool written = true;  // the store holds them afterwards: not a dry run
};

const ImportRow kImportRows[] = {
    {"all good", 1, {"a.set", "b.set", "c.set"}, {}, 0, {"a.set", "b.set", "c.set"}, {}},
    {"one of the other game",
     1,
     {"a.set", "sc.set", "b.set"},
     {},
     1,
     {},
     "/sc.set is not a setup file of Dirt Track Racing. Nothing was imported."},
    {"one not a setup",
     0,
     {"junk.set", "a.set"},
     {},
     1,
     {},
     "/junk.set is not a setup file of Dirt Track Racing. Nothing was imported."},
    {"the store full midway",
     298,
     {"a.set", "b.set", "c.set"},
     {},
     1,
     {},
     "The store is full: it holds 300 setups."},
    {"keep going",
     298,
     {"a.set", "sc.set", "b.set", "c.set"},
     {"--keep-going"},
     1,
     {"a.set", "b.set"},
     "2 of 4 setups were imported."},
    {"a dry run",
     1,
     {"a.set", "b.set"},
     {"--dry-run"},
     0,
     {"a.set", "b.set"},
     "would hold 3 setups (adds \"A\", \"B\").",
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
        for (const QString& name : row.files)
            line << file(name);

        const Finished result = run(game, line + row.options);

        EXPECT_EQ(result.exitCode, row.exitCode) << result.err.toStdString();
        std::vector<QByteArray> after = before;
        QString slots;
        for (const QString& name : row.imported) {
            after.push_back(setupFiles().at(name));
            slots += QStringLiteral("%1\t%2\n").arg(after.size()).arg(file(name));
        }
        EXPECT_EQ(game.read("setups.sav"), fixture::store(row.written ? after : before));
        EXPECT_EQ(result.out, slots);
        if (!row.said.isEmpty()) {
            EXPECT_TRUE(result.err.contains(row.said)) << result.err.toStdString();
        }
        const QStringList kept = generations(game);
        EXPECT_EQ(kept.size(), row.written && !row.imported.isEmpty() ? 1 : 0);
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

    struct Refused {
        QStringList line;
        int exitCode;
        QString said;
    };
    const std::vector<Refused> refusals = {
        {{"export", "--all", "--to", to}, 1, "The setups in slots 1 and 3 have the same name"},
        {{"export", "--slot", "1", "--slot", "3", "--to", to, "--replace"},
         1,
         "The setups in slots 1 and 3 have the same name"},
        {{"export", "--slot", "1", "--slot", "2", "--to", to},
         1,
         "/Bravo.set already exists and is read-only."},
        {{"export", "--slot", "1", "--all", "--to", to},
         2,
         "export: --slot and --all are both given"},
        {{"export", "--slot", "1", "--slot", "2", "--name", "x", "--to", to},
         2,
         "export: --name names the file of one --slot only"},
    };
    for (const Refused& refusal : refusals) {
        SCOPED_TRACE(refusal.line.join(' ').toStdString());
        const Finished result = run(game, refusal.line);
        EXPECT_EQ(result.exitCode, refusal.exitCode);
        EXPECT_TRUE(result.err.contains(refusal.said)) << result.err.toStdString();
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
