// SPDX-License-Identifier: GPL-3.0-or-later
// Several running utilities change the registry at the same moment: each keeps its value.
#include "core/registry/Registry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace
{

TEST(RegistryWriters, ConcurrentProcessesLoseNoValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.reg");
    const QString key = QString::fromLatin1(tarvelin::UtilityKey);
    constexpr int kWriters = 8;
    for (int round = 0; round < 3; ++round) {
        std::vector<std::unique_ptr<QProcess>> writers;
        // The first round also races to create the file itself.
        for (int i = 0; i < kWriters; ++i) {
            auto& writer = writers.emplace_back(std::make_unique<QProcess>());
            writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer->setStandardOutputFile(QProcess::nullDevice());
            writer->start(QStringLiteral(TARVELIN_CLI),
                          {"registry", "set", key, QStringLiteral("w%1").arg(i),
                           QStringLiteral("%1-%2").arg(round).arg(i), "--registry", path});
        }
        for (auto& writer : writers) {
            ASSERT_TRUE(writer->waitForFinished(30000));
            EXPECT_EQ(writer->exitCode(), 0);
        }
        tarvelin::Registry registry(path);
        for (int i = 0; i < kWriters; ++i)
            EXPECT_EQ(
                tarvelin::registryText(registry.QueryValue(key, QStringLiteral("w%1").arg(i))),
                QStringLiteral("%1-%2").arg(round).arg(i));
    }
}

} // namespace
