// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SystemInformation.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "support/FakeProgramStarter.h"
#include "support/StoreBytes.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpViewer.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tarvelin
{
namespace
{

QString labelText(QWidget& window, const char* name)
{
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

class AboutWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("registry.reg"))};
    fixture::FakeProgramStarter programs;
    RecordingUrlOpener urls;
    MessageRecorder messages;
    QWidget owner;
};

TEST_F(AboutWindowTest, LabelsSystemInformationMailAndClose)
{
    QPointer<AboutWindow> about =
        new AboutWindow(registry, programs, urls, FormScroll::kInstantSlide, &owner);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    EXPECT_EQ(about->objectName(), QStringLiteral("dtrAbout"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tarvelin Setup Utility"));
    EXPECT_EQ(labelText(*about, "lblVersion"), QStringLiteral("Version 6.2.2"));
    EXPECT_EQ(labelText(*about, "lblTitle"), QStringLiteral("TarvelinSetupUtility"));
    EXPECT_EQ(labelText(*about, "lblDescription"), QStringLiteral("Setup Utility"));
    EXPECT_EQ(labelText(*about, "Label2"), QStringLiteral("Tested on Windows 98 only."));
    EXPECT_EQ(about->windowModality(), Qt::WindowModal);

    // No registry at all: the message, once per click, and the window stays.
    auto* info = about->findChild<QAbstractButton*>("VBUSoftButton2");
    QTest::mouseClick(info, Qt::LeftButton);
    QTest::mouseClick(info, Qt::LeftButton);
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_EQ(messages.messages()[0].message,
              (Message{kSysInfoUnavailable, MessageIcon::None, kApplicationTitle}));
    EXPECT_TRUE(about->isVisible());

    fixture::writeFile(registry.filePath(),
                       "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\"
                       "MSINFO]\r\n\"PATH\"=\"/usr/bin/msinfo\"\r\n");
    QTest::mouseClick(info, Qt::LeftButton);
    EXPECT_EQ(messages.messages().size(), 2);
    ASSERT_EQ(programs.starts.size(), 1);
    EXPECT_EQ(programs.starts[0].program, QStringLiteral("/usr/bin/msinfo"));

    QTest::mouseClick(about->findChild<QLabel*>("Image1"), Qt::LeftButton);
    EXPECT_EQ(urls.opened.size(), 1);
    EXPECT_TRUE(urls.opened[0].startsWith("mailto:"));

    const int left = about->x();
    QTest::mouseClick(about->findChild<QAbstractButton*>("VBUSoftButton1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_GE(left, 0);
}

TEST(HelpViewerTest, SearchOpensWithAnEmptyKeywordAndContentsOnTheContentsPage)
{
    HelpViewer viewer(QStringLiteral(TARVELIN_SOURCE_DIR "/data/help"));
    viewer.show();
    auto* keyword = viewer.findChild<QLineEdit*>("helpKeyword");
    auto* matches = viewer.findChild<QListWidget*>("helpKeywords");
    auto* tabs = viewer.findChild<QTabWidget*>("helpTabs");
    keyword->setText(QStringLiteral("leftover"));

    viewer.showSearch();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(keyword->text().isEmpty());
    const int all = matches->count();
    EXPECT_GT(all, 50);

    QTest::keyClicks(keyword, QStringLiteral("expo"));
    ASSERT_GT(matches->count(), 0);
    EXPECT_LT(matches->count(), all);
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_EQ(viewer.currentPage(), QStringLiteral("export.html"));

    viewer.showContents();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(viewer.currentPage(), QStringLiteral("index.html"));
    EXPECT_GT(viewer.findChild<QListWidget*>("helpContents")->count(), 10);
}

// A FIFO as the style sheet or as a picture of a page is refused at once: opening it to read would
// wait for a writer that never comes, and the window with it.
TEST(HelpViewerTest, AFifoAmongTheHelpFilesIsPassedOverWithoutWaiting)
{
    QTemporaryDir help;
    fixture::writeFile(help.filePath("index.html"),
                       "<html><title>Contents</title><img src=\"pipe.png\">Start</html>");
    for (const char* fifo : {"help.css", "pipe.png"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(help.filePath(fifo)).constData(), 0644), 0);
    HelpViewer viewer(help.path());
    viewer.show();
    viewer.showContents();
    EXPECT_EQ(viewer.currentPage(), QStringLiteral("index.html"));
}

} // namespace
} // namespace tarvelin
