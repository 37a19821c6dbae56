#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "support/StoreBytes.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/MessageBox.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

TEST(GameWindowBrowserTest, OpeningShowsAddressTimeAndTheRememberedFolder)
{
    MessageRecorder messages;
    QTemporaryDir scratch;
    Registry registry(scratch.filePath(QStringLiteral("registry.reg")));
    ASSERT_TRUE(registry.ensureCreated());
    const QString setups = scratch.filePath(QStringLiteral("my setups"));
    QDir().mkpath(setups);
    for (const char* name : {"Eldora.set", "Knox.SET", "Sprint.dts"})
        fixture::writeFile(setups + u'/' + QString::fromLatin1(name), "x");
    registry.SetKeyValue(QString::fromLatin1(UtilityKey), QStringLiteral("(Dir)"), setups,
                         RegistryType::String);

    const FixedVolumeTable volumes({{QStringLiteral("/"), true}});
    const FixedAddressSource address(QStringLiteral("10.0.0.5"));
    const FixedClock clock(QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
    GameWindowServices services;
    services.volumes = &volumes;
    services.address = &address;
    services.clock = &clock;
    auto window = createGameWindow(DirtTrackRacingProfile, registry, services);

    const GameWindowControls& c = window->controls();
    EXPECT_EQ(c.Text7->text(), QStringLiteral("Ip# 10.0.0.5"));
    EXPECT_EQ(c.StatusBar1->timePanel()->text(),
              QLocale().toString(QTime(9, 30), QLocale::ShortFormat));
    EXPECT_EQ(window->folderBrowser().folder(), setups);
    EXPECT_EQ(c.File1->count(), 2);
    EXPECT_EQ(c.Label8->text(), QStringLiteral("2"));

    EXPECT_EQ(window->progressIndicators().picture(2), c.picProgress[2]);
    EXPECT_TRUE(messages.messages().isEmpty());
}

} // namespace
} // namespace tarvelin
