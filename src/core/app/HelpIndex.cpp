// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/HelpIndex.h"

#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace tarvelin
{

namespace
{

constexpr qsizetype kMaxPageBytes = qsizetype{1024} * 1024;

QString plainText(const QString& html)
{
    QString text = html;
    text.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QString());
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    return text.simplified();
}

QString readText(const QString& path)
{
    const FileContents contents = readWholeFile(path, kMaxPageBytes);
    return contents.ok ? QString::fromUtf8(contents.bytes) : QString();
}

// The pages the contents page links, in its order.
QStringList linkedPages(const QString& html)
{
    static const QRegularExpression link(QStringLiteral(R"(href\s*=\s*"([^"#:]+\.html))"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList pages;
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString page = it.next().captured(1);
        if (!pages.contains(page))
            pages.append(page);
    }
    return pages;
}

} // namespace

QString findHelpDirectory(const QString& applicationDir)
{
    const QStringList candidates = {
        applicationDir + QStringLiteral("/data/help"),
        applicationDir + QStringLiteral("/../share/tarvelin-setup-utility/help"),
    };
    for (const QString& candidate : candidates) {
        if (PathInfo(candidate + QLatin1Char('/') + QLatin1String(kHelpContentsPage)).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

HelpTopic parseHelpTopic(const QString& file, const QString& html)
{
    HelpTopic topic{file, {}, {}};
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywords(
        QStringLiteral(R"re(<meta\s+name\s*=\s*"keywords"\s+content\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    topic.title = plainText(title.match(html).captured(1));
    if (topic.title.isEmpty())
        topic.title = fileNameOf(file).section(u'.', 0, -2);
    const QString list = plainText(keywords.match(html).captured(1));
    for (const QString& keyword : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!keyword.trimmed().isEmpty())
            topic.keywords.append(keyword.trimmed());
    }
    return topic;
}

QList<HelpTopic> readHelpTopics(const QString& helpDir)
{
    const QDir dir(helpDir);
    QStringList files;
    forEachEntry(helpDir, [&files](const FolderEntry& entry) {
        const QString name = QString::fromUtf8(entry.name());
        if (!name.startsWith(u'.') && name.endsWith(u".html", Qt::CaseInsensitive) &&
            entry.isFile())
            files << name;
    });
    files.sort();
    const QString contents = QString::fromLatin1(kHelpContentsPage);
    QStringList ordered;
    if (files.contains(contents)) {
        ordered.append(contents);
        for (const QString& page : linkedPages(readText(dir.filePath(contents)))) {
            if (files.contains(page) && !ordered.contains(page))
                ordered.append(page);
        }
    }
    for (const QString& file : files) {
        if (!ordered.contains(file))
            ordered.append(file);
    }
    QList<HelpTopic> topics;
    for (const QString& file : ordered)
        topics.append(parseHelpTopic(file, readText(dir.filePath(file))));
    return topics;
}

QList<HelpKeyword> helpKeywords(const QList<HelpTopic>& topics)
{
    QList<HelpKeyword> all;
    for (const HelpTopic& topic : topics) {
        for (const QString& keyword : topic.keywords)
            all.append({keyword, topic.file, topic.title});
    }
    std::stable_sort(all.begin(), all.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
    return all;
}

QList<HelpKeyword> matchKeywords(const QList<HelpKeyword>& keywords, const QString& typed)
{
    const QString wanted = typed.trimmed();
    QList<HelpKeyword> matches;
    for (const HelpKeyword& keyword : keywords) {
        if (keyword.keyword.startsWith(wanted, Qt::CaseInsensitive))
            matches.append(keyword);
    }
    return matches;
}

} // namespace tarvelin
