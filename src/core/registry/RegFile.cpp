// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/RegFile.h"

#include <QStringEncoder>

namespace tarvelin
{

namespace
{

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString quotedName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("@");
    return u'"' + escapeRegString(name) + u'"';
}

// A lone half of a surrogate pair: UTF-8 and UTF-16 writers put a replacement character there.
bool hasUnpairedSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// What the quoted and the bracketed forms share. Windows' own tools know no escape for a line
// break or a NUL in a name, so neither is written even where this reader would undo an escape.
QString nameProblem(QStringView text)
{
    if (text.contains(u'\n') || text.contains(u'\r'))
        return QStringLiteral("holds a line break");
    if (text.contains(QChar(0)))
        return QStringLiteral("holds a NUL character");
    if (hasUnpairedSurrogate(text))
        return QStringLiteral("holds a character that no text file can hold");
    return {};
}

} // namespace

QString keyPathProblem(const QString& path)
{
    if (QString problem = nameProblem(path); !problem.isEmpty())
        return problem;
    if (path.startsWith(u'-')) // "[-path]" deletes a key
        return QStringLiteral("begins with \"-\", which deletes a key");
    return {};
}

QString valueNameProblem(const QString& name)
{
    return nameProblem(name);
}

RegEntry* RegSection::entry(QStringView name)
{
    for (RegEntry& e : entries)
        if (sameName(e.name, name))
            return &e;
    return nullptr;
}

const RegEntry* RegSection::entry(QStringView name) const
{
    return const_cast<RegSection*>(this)->entry(name);
}

RegSection* RegFile::section(QStringView path)
{
    for (RegSection& s : sections)
        if (sameName(s.path, path))
            return &s;
    return nullptr;
}

const RegSection* RegFile::section(QStringView path) const
{
    return const_cast<RegFile*>(this)->section(path);
}

RegSection& RegFile::addSection(const QString& path)
{
    sections.append(RegSection{path, {}});
    return sections.last();
}

QString escapeRegString(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case 0:
            out += QStringLiteral("\\0");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray serializeRegFile(const RegFile& file)
{
    QString text = file.header + QStringLiteral("\r\n\r\n");
    for (const RegSection& section : file.sections) {
        text += u'[' + section.path + QStringLiteral("]\r\n");
        for (const RegEntry& entry : section.entries) {
            text += quotedName(entry.name) + u'=';
            switch (entry.kind) {
            case RegEntry::Kind::String:
                text += u'"' + escapeRegString(entry.text) + u'"';
                break;
            case RegEntry::Kind::Dword:
                text += QStringLiteral("dword:%1")
                            .arg(static_cast<quint32>(entry.number), 8, 16, QLatin1Char('0'));
                break;
            case RegEntry::Kind::Other:
                text += entry.rawData;
                break;
            }
            text += QStringLiteral("\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    if (file.encoding == RegFile::Encoding::Utf16) {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE", 2) + QByteArray(encoder(text));
    }
    return text.toUtf8();
}

} // namespace tarvelin
