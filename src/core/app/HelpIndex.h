// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelin
{

inline constexpr char kHelpContentsPage[] = "index.html";

// One page of the help: its file name in the help folder, its title, and the keywords its
// <meta name="keywords" content="one; two"> lists.
struct HelpTopic {
    QString file;
    QString title;
    QStringList keywords;
};

struct HelpKeyword {
    QString keyword;
    QString file;
    QString title; // of the page the keyword leads to
};

// The help folder: data/help beside the executable (the build tree), else the installed
// share/tarvelin-setup-utility/help next to the executable's bin folder. Empty when neither has
// the contents page.
QString findHelpDirectory(const QString& applicationDir);

// Every page of the folder, in the order the contents page links them; pages it does not link
// follow by file name. The contents page itself comes first.
QList<HelpTopic> readHelpTopics(const QString& helpDir);
HelpTopic parseHelpTopic(const QString& file, const QString& html);

// All keywords of all topics, sorted without regard to case.
QList<HelpKeyword> helpKeywords(const QList<HelpTopic>& topics);
// The keywords that begin with `typed` (case ignored); all of them for an empty text.
QList<HelpKeyword> matchKeywords(const QList<HelpKeyword>& keywords, const QString& typed);

} // namespace tarvelin
