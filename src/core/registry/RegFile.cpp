#include "core/registry/RegFile.h"

#include "core/names/Windows1252.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tarvelin
{

namespace
{

const QString kRegedit4 = QStringLiteral("REGEDIT4");
const QString kRegedit5 = QStringLiteral("Windows Registry Editor Version 5.00");

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decodeText(const QByteArray& bytes, RegFile::Encoding* encoding)
{
    *encoding = RegFile::Encoding::Utf8;
    if (bytes.startsWith("\xFF\xFE")) {
        *encoding = RegFile::Encoding::Utf16;
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder(QByteArrayView(bytes).sliced(2));
    }
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(body);
    // A REGEDIT4 file written on Windows holds 8-bit ANSI text, not UTF-8.
    if (utf8.hasError())
        text = decodeWindows1252(body);
    return text;
}

// Reads a quoted string starting at text[pos] == '"'. Leaves pos after the closing quote.
bool readQuoted(QStringView text, qsizetype& pos, QString* out)
{
    ++pos;
    out->clear();
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (c == u'"')
            return true;
        if (c != u'\\') {
            out->append(c);
            continue;
        }
        if (pos >= text.size())
            return false;
        const QChar escaped = text[pos++];
        switch (escaped.unicode()) {
        case u'n':
            out->append(u'\n');
            break;
        case u'r':
            out->append(u'\r');
            break;
        case u'0':
            out->append(QChar(0));
            break;
        default: // \\ and \" and anything else stand for the character itself
            out->append(escaped);
        }
    }
    return false;
}

bool parseDword(QStringView data, qint32* number)
{
    bool ok = false;
    const quint32 value = data.trimmed().toUInt(&ok, 16);
    if (!ok || data.trimmed().size() > 8)
        return false;
    *number = static_cast<qint32>(value);
    return true;
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

RegParse parseRegFile(const QByteArray& bytes)
{
    RegParse result;
    RegFile& file = result.file;
    const QString text = decodeText(bytes, &file.encoding);
    const QStringList lines = text.split(u'\n');

    auto failAt = [&](qsizetype index, const QString& why) {
        result.ok = false;
        result.error = QStringLiteral("line %1: %2").arg(index + 1).arg(why);
        return result;
    };

    bool headerSeen = false;
    // Keys by their case-folded path: a key seen again adds to the first, and a Wine-sized export
    // holds thousands of them.
    QHash<QString, qsizetype> sectionIndex;
    RegSection* current = nullptr;
    bool skippingDeletedKey = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (!headerSeen) {
            if (trimmed != kRegedit4 && trimmed != kRegedit5)
                return failAt(i, QStringLiteral("not a registry export (no REGEDIT4 header)"));
            file.header = trimmed;
            headerSeen = true;
            continue;
        }
        if (trimmed.startsWith(u'[')) {
            if (!trimmed.endsWith(u']'))
                return failAt(i, QStringLiteral("key line without ']'"));
            const QString path = trimmed.mid(1, trimmed.size() - 2);
            skippingDeletedKey = path.startsWith(u'-');
            if (skippingDeletedKey) {
                current = nullptr;
                continue;
            }
            const QString folded = path.toCaseFolded();
            auto found = sectionIndex.constFind(folded);
            if (found == sectionIndex.cend()) {
                found = sectionIndex.insert(folded, file.sections.size());
                file.addSection(path);
            }
            current = &file.sections[*found];
            continue;
        }
        if (skippingDeletedKey)
            continue;
        if (!current)
            return failAt(i, QStringLiteral("value outside any key"));

        RegEntry entry;
        qsizetype pos = 0;
        if (trimmed.startsWith(u'@')) {
            pos = 1;
        } else if (trimmed.startsWith(u'"')) {
            if (!readQuoted(trimmed, pos, &entry.name))
                return failAt(i, QStringLiteral("unterminated value name"));
        } else {
            return failAt(i, QStringLiteral("neither a key nor a value"));
        }
        while (pos < trimmed.size() && trimmed[pos].isSpace())
            ++pos;
        if (pos >= trimmed.size() || trimmed[pos] != u'=')
            return failAt(i, QStringLiteral("value without '='"));
        ++pos;
        while (pos < trimmed.size() && trimmed[pos].isSpace())
            ++pos;
        QString data = trimmed.mid(pos);
        // Binary data may run over several lines, each but the last ending in '\'. Trimmed after
        // each join, so that the data kept never ends in '\' or white space: written back on one
        // line, it reads as the same data and never swallows the entry after it.
        if (!data.startsWith(u'"')) {
            while (data.endsWith(u'\\')) {
                data.chop(1);
                if (i + 1 < lines.size())
                    data += lines[++i].trimmed();
                data = data.trimmed();
            }
        }

        if (data.startsWith(u'"')) {
            qsizetype quotePos = 0;
            if (!readQuoted(data, quotePos, &entry.text))
                return failAt(i, QStringLiteral("unterminated string value"));
            if (!QStringView(data).mid(quotePos).trimmed().isEmpty())
                return failAt(i, QStringLiteral("text after a string value"));
            entry.kind = RegEntry::Kind::String;
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            if (!parseDword(QStringView(data).mid(6), &entry.number))
                return failAt(i, QStringLiteral("bad dword value"));
            entry.kind = RegEntry::Kind::Dword;
        } else {
            entry.kind = RegEntry::Kind::Other;
            entry.rawData = data;
        }
        if (RegEntry* existing = current->entry(entry.name))
            *existing = entry;
        else
            current->entries.append(entry);
    }
    result.ok = true;
    return result;
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
