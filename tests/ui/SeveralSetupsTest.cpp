// SPDX-License-Identifier: GPL-3.0-or-later
// The game window with several setups at once: files chosen together, files dropped on the store
// list, and the last change undone.

#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistoryCommands.h"
#include "support/FakeAddressSource.h"
#include "support/FakeClock.h"
#include "support/FakeTrash.h"
#include "support/FakeVolumeTable.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/widgets/FileUrls.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace tarvelin
{
namespace
{

constexpr int kDtr = fixture::kDtrTrailingWords;

// The setup files every case starts from, in list order, each seeded apart from the store's.
const char* const kFiles[] = {"a.set", "b.set", "c.set", "d.set"};
QByteArray setupOf(int file)
{
    return fixture::usedSlot(QByteArray(kFiles[file]).chopped(4).toUpper(), kDtr, 11 + file);
}

// Public: the tables' cases drive the window through it.
class SeveralSetupsTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(setups));
        for (int file = 0; file < 4; ++file)
            fixture::writeFile(pathOf(kFiles[file]), setupOf(file));
        fixture::pointAtGame(registry, profile, game.root());
        registry.createKey(QString::fromLatin1(UtilityKey));
        registry.SetKeyValue(QString::fromLatin1(UtilityKey), profile.FolderValueName, setups,
                             RegistryType::String);
    }

    void open(const std::vector<QByteArray>& names = {"Eldora"})
    {
        game.write("setups.sav", fixture::storeOf(names, kDtr));
        GameWindowServices services;
        services.volumes = &volumes;
        services.address = &address;
        services.clock = &clock;
        services.trash = &trash;
        window = createGameWindow(profile, registry, services);
        window->show();
    }

    const GameWindowControls& c() const { return window->controls(); }
    QString pathOf(const char* name) const { return setups + u'/' + QString::fromLatin1(name); }

    void clickFile(int row, Qt::KeyboardModifiers modifiers = {})
    {
        SetupFileView* files = c().fileList;
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers,
                          files->visualRect(files->model()->index(row, 0)).center());
    }

    QStringList listed() const
    {
        QStringList lines;
        for (int row = 0; row < c().storeList->count(); ++row)
            lines << c().storeList->item(row)->text();
        return lines;
    }

    QStringList setupFiles() const { return QDir(setups).entryList(QDir::Files, QDir::Name); }

    // A drag of `data` entering and moving over the store list, then its drop when `drop`: whether
    // the move (which the cursor shows), or else the drop, was taken.
    bool dragOntoStore(const QMimeData& data, bool drop)
    {
        QWidget* viewport = c().storeList->viewport();
        const QPointF middle = viewport->rect().center();
        QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        if (!drop) {
            // The list shows the drop will land exactly while the cursor says it would.
            EXPECT_EQ(c().storeList->property("dropping").toBool(), move.isAccepted());
            QDragLeaveEvent leave;
            QApplication::sendEvent(viewport, &leave);
            EXPECT_FALSE(c().storeList->property("dropping").toBool());
            return move.isAccepted();
        }
        QDropEvent dropped(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &dropped);
        return dropped.isAccepted();
    }

    const GameProfile& profile = DirtTrackRacingProfile;
    MessageRecorder messages;
    QTemporaryDir scratch;
    const QString setups = scratch.filePath(QStringLiteral("setups"));
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    fixture::GameDir game;
    fixture::FakeTrash trash;
    const FakeVolumeTable volumes{{{QStringLiteral("/"), true}}};
    const FakeAddressSource address{QStringLiteral("10.0.0.5")};
    const FakeClock clock{QDateTime(QDate(2024, 6, 1), QTime(9, 30))};
    std::unique_ptr<GameWindow> window;
};

// Ctrl, Shift and Shift+arrows choose several files, and the counter and the frame say how many;
// whatever leaves one file chosen shows that file as a plain click does.
TEST_F(SeveralSetupsTest, FilesChosenTogetherAreCountedAndOneIsShownAsAClickShowsIt)
{
    const struct {
        const char* how;
        std::function<void(SeveralSetupsTest&)> choose;
        QStringList chosen;
        const char* counter; // Label7
        const char* frame;   // Frame2's caption
        const char* rename;  // Text1
    } cases[] = {
        {"Ctrl+click",
         [](SeveralSetupsTest& t) {
             t.clickFile(0);
             t.clickFile(2, Qt::ControlModifier);
         },
         {"a.set", "c.set"},
         "2",
         "2 files chosen",
         ""},
        {"Shift+click",
         [](SeveralSetupsTest& t) {
             t.clickFile(1);
             t.clickFile(3, Qt::ShiftModifier);
         },
         {"b.set", "c.set", "d.set"},
         "3",
         "3 files chosen",
         ""},
        {"Shift+Down",
         [](SeveralSetupsTest& t) {
             t.clickFile(0);
             QTest::keyClick(t.c().fileList, Qt::Key_Down, Qt::ShiftModifier);
             QTest::keyClick(t.c().fileList, Qt::Key_Down, Qt::ShiftModifier);
         },
         {"a.set", "b.set", "c.set"},
         "3",
         "3 files chosen",
         ""},
        {"Ctrl+click taking one of two away",
         [](SeveralSetupsTest& t) {
             t.clickFile(0);
             t.clickFile(2, Qt::ControlModifier);
             t.clickFile(0, Qt::ControlModifier);
         },
         {"c.set"},
         "3",
         "c.set",
         "c"},
        {"a plain click after several",
         [](SeveralSetupsTest& t) {
             t.clickFile(0);
             t.clickFile(2, Qt::ControlModifier);
             t.clickFile(1);
         },
         {"b.set"},
         "2",
         "b.set",
         "b"},
    };
    open();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.how);
        window->folderBrowser().refreshFiles();
        k.choose(*this);
        EXPECT_EQ(c().fileList->selectedNames(), k.chosen);
        EXPECT_EQ(c().selectedFileLabel->text(), QString::fromLatin1(k.counter));
        EXPECT_EQ(c().fileFrame->title(), QString::fromLatin1(k.frame));
        EXPECT_EQ(c().newFileNameField->text(), QString::fromLatin1(k.rename));
    }
}

// The commands on files a.set and c.set chosen together: the imports take both in list order as
// one change, the trash takes both after one question, a rename asks for one file.
TEST_F(SeveralSetupsTest, CommandsOnSeveralFilesActOnEachOrAskForOne)
{
    const QByteArray both =
        fixture::store({fixture::usedSlot("Eldora", kDtr, 1), setupOf(0), setupOf(2)});
    const QByteArray opened = fixture::storeOf({"Eldora"}, kDtr);
    const QStringList all{"a.set", "b.set", "c.set", "d.set"};
    const struct {
        const char* command;
        std::function<void(SeveralSetupsTest&)> run;
        std::optional<MessageAnswer> answer;
        QByteArray store;
        QStringList files;
        QStringList texts;
        MessageButtons buttons = MessageButtons::Ok;
    } cases[] = {
        {"Import button",
         [](SeveralSetupsTest& t) { t.c().importButton->click(); },
         {},
         both,
         all,
         {}},
        {"Import menu entry",
         [](SeveralSetupsTest& t) { t.window->menus().mnuImport->trigger(); },
         {},
         both,
         {"b.set", "d.set"},
         {}},
        {"Delete File, agreed",
         [](SeveralSetupsTest& t) { t.c().deleteFileButton->click(); },
         MessageAnswer::Yes,
         opened,
         {"b.set", "d.set"},
         {"Are you sure you want to send these 2 files to the trash?"},
         MessageButtons::YesNoDefaultNo},
        {"Delete File, the default answer",
         [](SeveralSetupsTest& t) { t.c().deleteFileButton->click(); },
         {},
         opened,
         all,
         {"Are you sure you want to send these 2 files to the trash?", "1"},
         MessageButtons::YesNoDefaultNo},
        {"Delete File, one of them gone meanwhile",
         [](SeveralSetupsTest& t) {
             QFile::remove(t.pathOf("a.set"));
             t.c().deleteFileButton->click();
         },
         MessageAnswer::Yes,
         opened,
         {"b.set", "d.set"},
         {"Are you sure you want to send these 2 files to the trash?", "a.set was not deleted."},
         MessageButtons::YesNoDefaultNo},
        {"Rename File",
         [](SeveralSetupsTest& t) { t.c().renameFileButton->click(); },
         {},
         opened,
         all,
         {"Please choose one file to rename"}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.command);
        for (int file = 0; file < 4; ++file)
            fixture::writeFile(pathOf(kFiles[file]), setupOf(file));
        open();
        clickFile(0);
        clickFile(2, Qt::ControlModifier);
        messages.clear();
        if (k.answer)
            messages.queueAnswer(*k.answer);

        k.run(*this);

        EXPECT_EQ(game.read("setups.sav"), k.store);
        // One change for the whole batch: one undo takes both setups out again.
        if (k.store != opened) {
            EXPECT_EQ(previewUndo(game.root(), profile.recordLayout()).preview.remove,
                      (QStringList{"A", "C"}));
        }
        EXPECT_EQ(setupFiles(), k.files);
        // Each message starts as listed; a failure goes on to say why.
        ASSERT_EQ(messages.texts().size(), k.texts.size())
            << qPrintable(messages.texts().join('\n'));
        for (qsizetype m = 0; m < k.texts.size(); ++m)
            EXPECT_TRUE(messages.texts()[m].startsWith(k.texts[m]))
                << qPrintable(messages.texts()[m]);
        if (!k.texts.isEmpty()) {
            EXPECT_EQ(messages.messages().first().buttons, k.buttons);
        }
    }
}

QMimeData* urls(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> list;
    for (const QString& path : paths)
        list << (path.contains(u':') ? QUrl(path) : QUrl::fromLocalFile(path));
    data->setUrls(list);
    return data;
}

// A file's URL names the very bytes of its name, so a name that is not UTF-8 reaches the store
// list or a file manager as the same file; other URLs are no files.
TEST(FileUrlsTest, AFileUrlNamesTheSameBytesAgain)
{
    const struct {
        QByteArray path;
        const char* url; // as a file manager reads it
    } cases[] = {
        {"/s/Eldora Late.set", "file:///s/Eldora%20Late.set"},
        {"/s/50%#1?.set", "file:///s/50%25%231%3F.set"},
        {"/s/Caf\xC3\xA9.set", "file:///s/Caf%C3%A9.set"},
        {"/s/Caf\xE9.set", "file:///s/Caf%E9.set"},
    };
    for (const auto& k : cases) {
        const QString path = decodeFileName(k.path);
        const QUrl url = fileUrl(path);
        EXPECT_EQ(url.toEncoded(), QByteArray(k.url));
        EXPECT_EQ(localFiles({url}), QStringList{path});
        EXPECT_EQ(encodeFileName(localFiles({QUrl::fromEncoded(k.url)}).value(0)), k.path);
    }
    EXPECT_TRUE(localFiles({QUrl(QStringLiteral("http://example.org/a.set")),
                            QUrl(QStringLiteral("file://server/share/a.set"))})
                    .isEmpty());
}

// Whether a drag is taken is told from its URLs alone, before it is let go.
TEST_F(SeveralSetupsTest, StoreListTakesADragHoldingASetupFileOfItsGame)
{
    open();
    const struct {
        const char* what;
        QStringList paths;
        bool storeLine;
        bool taken;
    } cases[] = {
        {"a setup file", {"/x/a.set"}, false, true},
        {"capital letters", {"/x/A.SET"}, false, true},
        {"a text file beside a setup file", {"/x/notes.txt", "/x/a.set"}, false, true},
        {"the other game's file", {"/x/a.dts"}, false, false},
        {"a web address", {"http://example.org/a.set"}, false, false},
        {"a store line carrying its exported file", {"/x/a.set"}, true, false},
        {"nothing", {}, false, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        std::unique_ptr<QMimeData> data(urls(k.paths));
        if (k.storeLine)
            data->setData(StoreList::lineType(), "dtr\n1\nEldora");
        EXPECT_EQ(dragOntoStore(*data, false), k.taken);
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Dropped files go in in the order dropped, stopping at a refusal; a drop with no setup file of
// the game is refused with one message.
TEST_F(SeveralSetupsTest, DroppedFilesAreImportedInTheOrderDropped)
{
    const QByteArray eldora = fixture::usedSlot("Eldora", kDtr, 1);
    const struct {
        const char* what;
        std::function<QMimeData*(SeveralSetupsTest&)> data;
        QByteArray store;
        int messageCount;
        const char* firstText; // the first message; null: not looked at
        bool taken = true;
    } cases[] = {
        {"from a file manager",
         [](SeveralSetupsTest& t) {
             return urls({t.pathOf("c.set"), t.pathOf("a.set")});
         },
         fixture::store({eldora, setupOf(2), setupOf(0)}), 0, nullptr},
        {"from the window's own file list",
         [](SeveralSetupsTest& t) {
             t.clickFile(3);
             t.clickFile(1, Qt::ControlModifier);
             SetupFileView* files = t.c().fileList;
             return files->model()->mimeData(files->selectionModel()->selectedIndexes());
         },
         fixture::store({eldora, setupOf(1), setupOf(3)}), 0, nullptr},
        {"a file that is not one setup stops the rest",
         [](SeveralSetupsTest& t) {
             fixture::writeFile(t.pathOf("bad.set"), "not a setup");
             return urls({t.pathOf("a.set"), t.pathOf("bad.set"), t.pathOf("c.set")});
         },
         fixture::store({eldora, setupOf(0)}), 2, nullptr},
        {"none a setup file of the game",
         [](SeveralSetupsTest& t) {
             fixture::writeFile(t.pathOf("x.dts"), "x");
             return urls({t.pathOf("x.dts")});
         },
         fixture::store({eldora}), 1, "None of these files is a Dirt Track Racing setup file.",
         false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        open();
        messages.clear();
        std::unique_ptr<QMimeData> data(k.data(*this));
        EXPECT_EQ(dragOntoStore(*data, true), k.taken);
        EXPECT_EQ(game.read("setups.sav"), k.store);
        EXPECT_EQ(messages.texts().size(), k.messageCount)
            << qPrintable(messages.texts().join('\n'));
        if (k.firstText && !messages.texts().isEmpty()) {
            EXPECT_EQ(messages.texts().first(), QString::fromLatin1(k.firstText));
        }
        // A drop copies: the player's files stay.
        EXPECT_TRUE(QFile::exists(pathOf("a.set")));
    }
}

// Ctrl+Z asks first (No by default), then puts back the store as it was before the last change;
// a second Ctrl+Z takes that undo back.
TEST_F(SeveralSetupsTest, UndoAsksThenTakesBackTheLastChangeAndThenItself)
{
    open({"Eldora", "Knoxville", "Oval"});
    const QByteArray opened = game.read("setups.sav");
    EXPECT_FALSE(window->menus().mnuUndo->isEnabled());
    // Deleted from a terminal: the entry follows the history when its menu opens.
    ASSERT_TRUE(deleteSetup({game.root(), profile.recordLayout(), true, 2}).done);
    const QByteArray deleted = game.read("setups.sav");
    ASSERT_NE(deleted, opened);
    Q_EMIT window->menus().setup->aboutToShow();
    EXPECT_TRUE(window->menus().mnuUndo->isEnabled());
    window->readStoreAgain();
    window->activateWindow();
    const bool active = QTest::qWaitForWindowActive(window.get());
    const auto undo = [&] {
        if (active)
            QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        else
            window->menus().mnuUndo->trigger();
    };

    const struct {
        const char* step;
        std::optional<MessageAnswer> answer;
        const char* shows; // a line of the question
        QByteArray store;
        QStringList lines;
    } steps[] = {
        {"declined", {}, "Brings back: Knoxville", deleted, {"Eldora", "Oval"}},
        {"undone",
         MessageAnswer::Yes,
         "Brings back: Knoxville",
         opened,
         {"Eldora", "Knoxville", "Oval"}},
        {"undo undone", MessageAnswer::Yes, "Removes: Knoxville", deleted, {"Eldora", "Oval"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        messages.clear();
        if (s.answer)
            messages.queueAnswer(*s.answer);
        undo();
        ASSERT_EQ(messages.messages().size(), 1);
        const RecordedMessage& question = messages.messages().first();
        EXPECT_EQ(question.buttons, MessageButtons::YesNoDefaultNo);
        EXPECT_TRUE(question.message.text.split(u'\n').contains(QString::fromLatin1(s.shows)))
            << qPrintable(question.message.text);
        EXPECT_EQ(game.read("setups.sav"), s.store);
        EXPECT_EQ(listed(), s.lines);
    }
}

// A store line dragged onto the file list or a folder of the tree is exported there under its
// name, asking before it replaces a file; to a file manager it goes as a file of ours, which the
// window clears away when it closes.
TEST_F(SeveralSetupsTest, StoreLineDraggedOutIsExportedWhereItIsDropped)
{
    ASSERT_TRUE(QDir().mkpath(setups + QStringLiteral("/league")));
    const QByteArray knoxville = fixture::usedSlot("Knoxville", kDtr, 2);
    const struct {
        const char* where;
        const char* target;   // "File1" or "Dir1"
        const char* existing; // a file already there; null: none
        const char* game;
        const char* written; // where the setup lands; null: nowhere
        QStringList texts;
    } cases[] = {
        {"on the file list", "File1", nullptr, "dtr", "Knoxville.set", {}},
        {"on a folder of the tree", "Dir1", nullptr, "dtr", "league/Knoxville.set", {}},
        {"over a file of that name, the default answer",
         "File1",
         "Knoxville.set",
         "dtr",
         nullptr,
         {"Knoxville.set already exists. Replace it?"}},
        {"a line of the other game's window", "File1", nullptr, "sc", nullptr, {}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.where);
        for (const char* name : {"Knoxville.set", "league/Knoxville.set"})
            QFile::remove(pathOf(name));
        if (k.existing)
            fixture::writeFile(pathOf(k.existing), "mine");
        open({"Eldora", "Knoxville"});
        messages.clear();
        std::unique_ptr<QMimeData> data(c().storeList->lineData(1));
        ASSERT_NE(data, nullptr);
        // What a file manager copies: the setup's own bytes, under its name.
        ASSERT_EQ(data->urls().size(), 1);
        const QString carried = data->urls().first().toLocalFile();
        EXPECT_TRUE(carried.endsWith(QStringLiteral("/Knoxville.set")));
        EXPECT_EQ(fixture::readFile(carried), knoxville);
        data->setData(StoreList::lineType(), QByteArray(k.game) + "\n2\nKnoxville");

        auto* list = fixture::find<QAbstractItemView>(window.get(), k.target);
        QWidget* target = list->viewport();
        QPoint at = target->rect().center();
        if (auto* tree = qobject_cast<QTreeWidget*>(list)) {
            const auto league =
                tree->findItems(QStringLiteral("league"), Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_EQ(league.size(), 1);
            at = tree->visualItemRect(league.first()).center();
        }
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        EXPECT_EQ(enter.isAccepted(), QByteArray(k.game) == "dtr");
        QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);

        if (k.written) {
            EXPECT_EQ(fixture::readFile(pathOf(k.written)), knoxville);
        }
        if (k.existing) {
            EXPECT_EQ(fixture::readFile(pathOf(k.existing)), "mine");
        }
        if (!k.written && !k.existing) {
            EXPECT_FALSE(QFile::exists(pathOf("Knoxville.set")));
        }
        EXPECT_EQ(messages.texts(), k.texts);
        if (k.existing) {
            EXPECT_EQ(messages.messages().value(0).buttons, MessageButtons::YesNoDefaultNo);
        }
        window.reset();
        EXPECT_FALSE(QFile::exists(carried));
        EXPECT_FALSE(QDir(QFileInfo(carried).path()).exists());
    }
}

} // namespace
} // namespace tarvelin
