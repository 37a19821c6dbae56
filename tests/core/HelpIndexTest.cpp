// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/HelpIndex.h"

#include "support/StoreBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

QString shippedHelp()
{
    return QStringLiteral(TARVELIN_SOURCE_DIR "/data/help");
}

TEST(HelpIndex, ContentsOrderKeywordsAndPartialLookup)
{
    QTemporaryDir dir;
    fixture::writeFile(dir.filePath("index.html"),
                       "<title>Help</title><a href=\"b.html\">B</a> <a href=\"a.html#x\">A</a>");
    fixture::writeFile(dir.filePath("a.html"),
                       "<title>Alpha &amp; more</title>"
                       "<meta name=\"keywords\" content=\"export; Zebra\">");
    fixture::writeFile(dir.filePath("b.html"),
                       "<TITLE>Beta</TITLE><meta name=\"keywords\" content=\"Exit;  ;backup\">");
    fixture::writeFile(dir.filePath("c.html"), "<p>no title</p>");

    const QList<HelpTopic> topics = readHelpTopics(dir.path());
    QStringList files;
    for (const HelpTopic& topic : topics)
        files.append(topic.file);
    EXPECT_EQ(files, (QStringList{"index.html", "b.html", "a.html", "c.html"}));
    EXPECT_EQ(topics[2].title, QStringLiteral("Alpha & more"));
    EXPECT_EQ(topics[3].title, QStringLiteral("c"));

    const QList<HelpKeyword> keywords = helpKeywords(topics);
    QStringList words;
    for (const HelpKeyword& keyword : keywords)
        words.append(keyword.keyword);
    EXPECT_EQ(words, (QStringList{"backup", "Exit", "export", "Zebra"}));

    // The search opens with an empty keyword, which offers every keyword.
    EXPECT_EQ(matchKeywords(keywords, QString()).size(), 4);
    const QList<HelpKeyword> ex = matchKeywords(keywords, QStringLiteral("EX"));
    ASSERT_EQ(ex.size(), 2);
    EXPECT_EQ(ex[1].file, QStringLiteral("a.html"));
    EXPECT_TRUE(matchKeywords(keywords, QStringLiteral("port")).isEmpty());
}

TEST(HelpIndex, ShippedHelpHasTitledKeywordedPagesAndNoBrokenLinks)
{
    const QString dir = shippedHelp();
    ASSERT_TRUE(QFileInfo::exists(dir + QStringLiteral("/index.html"))) << dir.toStdString();
    const QList<HelpTopic> topics = readHelpTopics(dir);
    ASSERT_GT(topics.size(), 10);
    const QRegularExpression link(QStringLiteral(R"(href="([^"#:]+))"));
    for (const HelpTopic& topic : topics) {
        EXPECT_FALSE(topic.keywords.isEmpty()) << topic.file.toStdString();
        const QString html =
            QString::fromUtf8(fixture::readFile(dir + QLatin1Char('/') + topic.file));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFileInfo::exists(dir + QLatin1Char('/') + target))
                << topic.file.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpIndex, FindsHelpBesideTheExecutableOrInstalled)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
    EXPECT_TRUE(findHelpDirectory(root.filePath("bin")).isEmpty());
    ASSERT_TRUE(QDir(root.path()).mkpath("share/tarvelin-setup-utility/help"));
    ASSERT_TRUE(QDir(root.path()).mkpath("bin/data/help"));
    fixture::writeFile(root.filePath("share/tarvelin-setup-utility/help/index.html"), "x");
    EXPECT_EQ(findHelpDirectory(root.filePath("bin")),
              QDir::cleanPath(root.filePath("share/tarvelin-setup-utility/help")));
    fixture::writeFile(root.filePath("bin/data/help/index.html"), "x");
    EXPECT_EQ(findHelpDirectory(root.filePath("bin")), root.filePath("bin/data/help"));
}

} // namespace
