// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/FolderBrowser.h"

#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/registry/Registry.h"
#include "support/FakeVolumeTable.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/folder/DriveList.h"
#include "ui/folder/FolderList.h"
#include "ui/folder/SetupFileView.h"
#include "ui/widgets/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace tarvelin
{
namespace
{

const QString kKey = QString::fromLatin1(UtilityKey);

// The browser's part of a game window, built as the window builds it.
struct BrowserPanel {
    BrowserPanel(const GameProfile& profile, Registry& registry, const VolumeTable& volumes)
    {
        controls.drives = new DriveList(volumes, &window);
        controls.folders = new FolderList(&window);
        controls.files = new SetupFileView(&window);
        controls.selectedLabel = new QLabel(&window);
        controls.countLabel = new QLabel(&window);
        controls.renameField = new QLineEdit(&window);
        controls.frame = new QGroupBox(QStringLiteral("Source Files"), &window);
        controls.files->setGeometry(0, 0, 200, 300);
        controls.folders->setGeometry(200, 0, 200, 300);
        browser = std::make_unique<FolderBrowser>(controls,
                                                  FolderBrowserOptions{profile.FolderValueName,
                                                                       profile.SetupFilePattern,
                                                                       profile.SetupFileExtension},
                                                  &registry, volumes, &window);
        window.resize(400, 300);
        window.show();
    }

    // A click and a double click on the folder shown as `shownName`.
    void openFolder(const QString& shownName)
    {
        FolderList* list = controls.folders;
        const auto items = list->findItems(shownName, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(items.size(), 1);
        const QPoint at = list->visualItemRect(items.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void clickFile(int row) { fixture::clickRow(controls.files, row); }

    QWidget window;
    FolderBrowserControls controls;
    std::unique_ptr<FolderBrowser> browser;
};

class FolderBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(registry.ensureCreated());
        start = fixture::makeFolder(dir.path(), QStringLiteral("start"));
        setups = fixture::makeFolder(dir.path(), QStringLiteral("start/setups"));
        for (const char* name : {"Track 1.set", "a.set", "B.SET", "my.settings.set", "z.set",
                                 "Oval.dts", "readme.txt"})
            fixture::writeFile(setups + u'/' + QString::fromLatin1(name), "x");
    }

    QString remembered(const QString& valueName) const
    {
        return registryText(registry.QueryValue(kKey, valueName));
    }

    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("registry.reg"))};
    FakeVolumeTable volumes{
        {{QStringLiteral("/"), true}, {QStringLiteral("/media/floppy"), false}}};
    QString start;
    QString setups;
};

TEST_F(FolderBrowserTest, OpenedFolderIsRememberedPerGameAndRestoredAtTheNextOpening)
{
    registry.SetKeyValue(kKey, SprintCarsProfile.FolderValueName, start, RegistryType::String);
    {
        BrowserPanel dtr(DirtTrackRacingProfile, registry, volumes);
        dtr.browser->openAt(start); // nothing remembered: stays, writes nothing
        EXPECT_EQ(dtr.controls.folders->path(), start);
        EXPECT_TRUE(remembered(DirtTrackRacingProfile.FolderValueName).isEmpty());

        dtr.openFolder(QStringLiteral("setups"));
        EXPECT_EQ(dtr.controls.folders->path(), setups);
        EXPECT_EQ(remembered(DirtTrackRacingProfile.FolderValueName), setups);
        EXPECT_EQ(remembered(SprintCarsProfile.FolderValueName), start);
        EXPECT_EQ(dtr.controls.files->count(), 5);
        EXPECT_EQ(dtr.controls.selectedLabel->text(), QStringLiteral("0"));
        EXPECT_EQ(dtr.controls.countLabel->text(), QStringLiteral("5"));
        EXPECT_EQ(dtr.controls.drives->drive(), QStringLiteral("/"));
    }
    BrowserPanel reopened(DirtTrackRacingProfile, registry, volumes);
    reopened.browser->openAt(start);
    EXPECT_EQ(reopened.browser->folder(), setups);
    EXPECT_EQ(reopened.controls.countLabel->text(), QStringLiteral("5"));
}

// The folders drawn as current: bold, whatever is highlighted.
QStringList markedFolders(const FolderList* list)
{
    QStringList marked;
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(list)); *it; ++it) {
        if ((*it)->font(0).bold())
            marked << (*it)->text(0);
    }
    return marked;
}

// A click or an arrow key highlights a folder; only opening it makes it the folder the commands
// act on, and the mark and the screen reader's description move with it, not with the highlight.
TEST_F(FolderBrowserTest, HighlightedFolderBecomesCurrentOnlyWhenOpened)
{
    const struct {
        const char* how;
        std::function<void(FolderList*, QTreeWidgetItem*)> highlight;
    } cases[] = {
        {"a click",
         [](FolderList* list, QTreeWidgetItem* item) {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(item).center());
         }},
        {"the Down key",
         [](FolderList* list, QTreeWidgetItem*) {
             QTest::keyClick(list, Qt::Key_Down);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
        panel.browser->startAt(start);
        FolderList* list = panel.controls.folders;
        list->setFocus();
        const auto found = list->findItems(QStringLiteral("setups"), Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);

        c.highlight(list, found.first());
        EXPECT_EQ(list->currentItem(), found.first());
        EXPECT_EQ(panel.browser->folder(), start);
        EXPECT_EQ(markedFolders(list), QStringList{QStringLiteral("start")});
        EXPECT_EQ(list->accessibleDescription(), QStringLiteral("Current folder: ") + start);

        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(panel.browser->folder(), setups);
        EXPECT_EQ(markedFolders(list), QStringList{QStringLiteral("setups")});
        EXPECT_EQ(list->accessibleDescription(), QStringLiteral("Current folder: ") + setups);
        EXPECT_EQ(list->currentItem()->data(0, Qt::AccessibleDescriptionRole).toString(),
                  QStringLiteral("Current folder"));
    }
}

TEST_F(FolderBrowserTest, UnreadableDriveShowsTheMessageAndChangesNothing)
{
    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    panel.browser->setFolder(setups);
    MessageRecorder recorder;
    DriveList* drives = panel.controls.drives;
    const int floppy = drives->findText(QStringLiteral("/media/floppy"));
    ASSERT_GE(floppy, 0);
    drives->setCurrentIndex(floppy);
    Q_EMIT drives->activated(floppy); // as the player's pick in the list

    ASSERT_EQ(recorder.messages().size(), 1);
    EXPECT_EQ(recorder.messages()[0].message,
              (Message{"/media/floppy/.  This device is not ready.", MessageIcon::Critical}));
    EXPECT_EQ(drives->drive(), QStringLiteral("/"));
    EXPECT_EQ(panel.controls.folders->path(), setups);
    EXPECT_EQ(panel.controls.files->count(), 5);
    EXPECT_TRUE(remembered(DirtTrackRacingProfile.FolderValueName).isEmpty());
}

TEST_F(FolderBrowserTest, FileClickSetsCountersCaptionAndRenameText)
{
    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    // a.set, B.SET, my.settings.set, Track 1.set, z.set
    panel.clickFile(3);
    EXPECT_EQ(panel.controls.selectedLabel->text(), QStringLiteral("4"));
    EXPECT_EQ(panel.controls.countLabel->text(), QStringLiteral("5"));
    EXPECT_EQ(panel.controls.frame->title(), QStringLiteral("Track 1.set"));
    EXPECT_EQ(panel.controls.renameField->text(), QStringLiteral("Track 1"));
    EXPECT_EQ(panel.browser->selectedFilePath(), setups + QStringLiteral("/Track 1.set"));

    panel.clickFile(1);
    EXPECT_EQ(panel.controls.renameField->text(), QStringLiteral("B.SET"));
    // The keys move the selection as a click does.
    QTest::keyClick(panel.controls.files, Qt::Key_Down);
    EXPECT_EQ(panel.controls.selectedLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(panel.controls.renameField->text(), QStringLiteral("my"));

    BrowserPanel sprint(SprintCarsProfile, registry, volumes);
    sprint.browser->startAt(setups);
    ASSERT_EQ(sprint.controls.files->count(), 1);
    sprint.clickFile(0);
    EXPECT_EQ(sprint.controls.renameField->text(), QStringLiteral("Oval"));
    EXPECT_EQ(sprint.controls.selectedLabel->text(), QStringLiteral("1"));
}

// Whatever takes the shown choice away leaves no file chosen: the counters, the frame and the
// rename field say so.
TEST_F(FolderBrowserTest, FileChoiceTakenAwayLeavesNoFileChosen)
{
    const struct {
        const char* how;
        std::function<void(SetupFileView*)> takeAway;
    } cases[] = {
        {"click beside the names",
         [](SetupFileView* files) {
             QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                               QPoint(5, files->viewport()->height() - 5));
         }},
        {"Ctrl+click on the chosen file",
         [](SetupFileView* files) {
             QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               files->visualRect(files->model()->index(3, 0)).center());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
        panel.browser->startAt(setups);
        panel.clickFile(3);
        ASSERT_EQ(panel.controls.renameField->text(), QStringLiteral("Track 1"));

        c.takeAway(panel.controls.files);

        EXPECT_EQ(panel.controls.files->selectedIndex(), -1);
        EXPECT_TRUE(panel.browser->selectedFilePath().isEmpty());
        EXPECT_EQ(panel.controls.selectedLabel->text(), QStringLiteral("0"));
        EXPECT_EQ(panel.controls.frame->title(), QStringLiteral("Source Files"));
        EXPECT_TRUE(panel.controls.renameField->text().isEmpty());
    }
}

// The folder changed under the lists: they follow by themselves, and the chosen file stays chosen
// while it is there.
TEST_F(FolderBrowserTest, ListsFollowTheFolderKeepingTheChosenFile)
{
    const struct {
        const char* change;
        std::function<void(const QString& folder)> make;
        QStringList files;
        const char* selected; // Label7
        const char* renameText;
        const char* subfolder; // a subfolder the folder list must show; null: none
    } cases[] = {
        {"a file arrives",
         [](const QString& folder) { fixture::writeFile(folder + "/c.set", "x"); },
         {"a.set", "B.SET", "c.set", "my.settings.set", "Track 1.set", "z.set"},
         "5",
         "Track 1",
         nullptr},
        {"the chosen file goes",
         [](const QString& folder) { QFile::remove(folder + "/Track 1.set"); },
         {"a.set", "B.SET", "my.settings.set", "z.set"},
         "0",
         "",
         nullptr},
        {"a folder is made",
         [](const QString& folder) { fixture::makeFolder(folder, QStringLiteral("new")); },
         {"a.set", "B.SET", "my.settings.set", "Track 1.set", "z.set"},
         "4",
         "Track 1",
         "new"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        QTemporaryDir folderDir;
        const QString folder = folderDir.path();
        for (const char* name : {"Track 1.set", "a.set", "B.SET", "my.settings.set", "z.set"})
            fixture::writeFile(folder + u'/' + QString::fromLatin1(name), "x");
        BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
        panel.browser->startAt(folder);
        panel.clickFile(3);

        c.make(folder);

        SetupFileView* files = panel.controls.files;
        EXPECT_TRUE(QTest::qWaitFor([&] { return files->names() == c.files; }, 5000))
            << qPrintable(files->names().join(u','));
        EXPECT_EQ(panel.controls.selectedLabel->text(), QString::fromLatin1(c.selected));
        EXPECT_EQ(panel.controls.countLabel->text(), QString::number(c.files.size()));
        EXPECT_EQ(panel.controls.renameField->text(), QString::fromLatin1(c.renameText));
        if (c.subfolder) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return !panel.controls.folders
                                ->findItems(QString::fromLatin1(c.subfolder),
                                            Qt::MatchExactly | Qt::MatchRecursive)
                                .isEmpty();
                },
                5000));
        }
    }
}

TEST_F(FolderBrowserTest, FocusArrivingInTheFileListChoosesNoFile)
{
    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    SetupFileView* files = panel.controls.files;
    QSignalSpy picked(files, &SetupFileView::fileClicked);
    const auto focusArrives = [files](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(files, &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(files, &in);
    };
    const auto choosesNothing = [&] {
        return files->selectedIndex() == -1 && !files->currentIndex().isValid() &&
               panel.controls.selectedLabel->text() == QStringLiteral("0") &&
               panel.controls.renameField->text().isEmpty() && picked.isEmpty();
    };
    // The Tab key from the folder list, the window's activation, a menu closing.
    panel.window.activateWindow();
    if (QTest::qWaitForWindowActive(&panel.window)) {
        panel.controls.folders->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(panel.controls.folders, Qt::Key_Tab);
        EXPECT_TRUE(files->hasFocus());
        EXPECT_TRUE(choosesNothing());
    }
    for (const Qt::FocusReason reason :
         {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ActiveWindowFocusReason,
          Qt::PopupFocusReason, Qt::ShortcutFocusReason, Qt::OtherFocusReason}) {
        focusArrives(reason);
        EXPECT_TRUE(choosesNothing()) << reason;
    }

    // The first arrow key in the focused list picks the first file, as a click would.
    QTest::keyClick(files, Qt::Key_Down);
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.takeFirst().value(0).toInt(), 0);
    EXPECT_EQ(files->selectedName(), QStringLiteral("a.set"));
    EXPECT_EQ(panel.controls.selectedLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(panel.controls.renameField->text(), QStringLiteral("a"));
    QTest::keyClick(files, Qt::Key_Down);
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked.takeFirst().value(0).toInt(), 1);

    // Focus leaving and coming back keeps the chosen file and picks no other.
    focusArrives(Qt::ActiveWindowFocusReason);
    focusArrives(Qt::PopupFocusReason);
    EXPECT_EQ(files->selectedIndex(), 1);
    EXPECT_TRUE(picked.isEmpty());

    // Listed afresh (after a command), the list again waits for the player.
    panel.browser->refreshFiles();
    panel.browser->setCounters();
    panel.controls.renameField->clear();
    focusArrives(Qt::TabFocusReason);
    EXPECT_TRUE(choosesNothing());
}

// A name cut by the narrow list is read whole in its tooltip; one shown whole keeps the list's own.
TEST_F(FolderBrowserTest, CutNamesShowWholeInTheirTooltip)
{
    const QString longName = QStringLiteral("Knoxville Nationals late model, wet track, night.set");
    fixture::writeFile(setups + u'/' + longName, "x");
    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    SetupFileView* files = panel.controls.files;
    const struct {
        QString name;
        QString tip;
    } cases[] = {
        {longName, longName},
        {QStringLiteral("a.set"), files->toolTip()},
    };
    for (const auto& c : cases) {
        const int row = int(files->names().indexOf(c.name));
        ASSERT_GE(row, 0);
        const QPoint at = files->visualRect(files->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, files->viewport()->mapToGlobal(at));
        QApplication::sendEvent(files->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), c.tip) << qPrintable(c.name);
        QToolTip::hideText();
    }
}

TEST_F(FolderBrowserTest, FileNamesAreReadableByAScreenReader)
{
    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(panel.controls.files);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Setup files in the folder"));
    ASSERT_EQ(list->childCount(), 5);
    QStringList names;
    for (int row = 0; row < list->childCount(); ++row)
        names << list->child(row)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{"a.set", "B.SET", "my.settings.set", "Track 1.set", "z.set"}));
}

// A folder and a file whose names are not UTF-8: shown with U+FFFD, in the lists and to a screen
// reader, and opened and selected by their own bytes.
TEST_F(FolderBrowserTest, NamesThatAreNotUtf8ShowAsReplacementAndReachTheirFiles)
{
    const QByteArray folderBytes = QFile::encodeName(setups) + "/Pist\xE9s";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0755), 0);
    const QByteArray fileBytes = folderBytes + "/Caf\xE9.set";
    fixture::writeRawFile(fileBytes, {});

    BrowserPanel panel(DirtTrackRacingProfile, registry, volumes);
    panel.browser->startAt(setups);
    panel.openFolder(QStringLiteral("Pist\uFFFDs"));

    ASSERT_EQ(panel.controls.files->count(), 1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(panel.controls.files);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("Caf\uFFFD.set"));
    panel.clickFile(0);
    EXPECT_EQ(panel.controls.frame->title(), QStringLiteral("Caf\uFFFD.set"));
    EXPECT_EQ(encodeFileName(panel.browser->selectedFilePath()), fileBytes);
    std::filesystem::remove_all(folderBytes.toStdString());
}

} // namespace
} // namespace tarvelin
