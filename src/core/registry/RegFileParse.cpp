// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/Windows1252.h"
#include "core/registry/RegFile.h"

#include <QHash>
#include <QStringDecoder>

namespace tarvelin
{

namespace
{

const QString kRegedit4 = QStringLiteral("REGEDIT4");
const QString kRegedit5 = QStringLiteral("Windows Registry Editor Version 5.00");

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

// One pass over the lines of an export. Each step reads what it can of the current line and
// returns false after fail() has said why; the file read so far stays in the result.
class RegParser
{
public:
    explicit RegParser(const QByteArray& bytes)
    {
        lines_ = decodeText(bytes, &result_.file.encoding).split(u'\n');
    }

    RegParse run()
    {
        for (line_ = 0; line_ < lines_.size(); ++line_) {
            const QString trimmed = trimmedLine();
            if (trimmed.isEmpty() || trimmed.startsWith(u';'))
                continue;
            if (!readLine(trimmed))
                return result_;
        }
        result_.ok = true;
        return result_;
    }

private:
    QString trimmedLine() const
    {
        QString line = lines_[line_];
        if (line.endsWith(u'\r'))
            line.chop(1);
        return line.trimmed();
    }

    bool fail(const QString& why)
    {
        result_.ok = false;
        result_.error = QStringLiteral("line %1: %2").arg(line_ + 1).arg(why);
        return false;
    }

    bool readLine(const QString& trimmed)
    {
        if (!headerSeen_)
            return readHeader(trimmed);
        if (trimmed.startsWith(u'['))
            return readKey(trimmed);
        if (skippingDeletedKey_)
            return true;
        if (!current_)
            return fail(QStringLiteral("value outside any key"));
        return readValue(trimmed);
    }

    bool readHeader(const QString& trimmed)
    {
        if (trimmed != kRegedit4 && trimmed != kRegedit5)
            return fail(QStringLiteral("not a registry export (no REGEDIT4 header)"));
        result_.file.header = trimmed;
        headerSeen_ = true;
        return true;
    }

    // "[path]" opens a key, "[-path]" deletes one: its values are skipped, not kept.
    bool readKey(const QString& trimmed)
    {
        if (!trimmed.endsWith(u']'))
            return fail(QStringLiteral("key line without ']'"));
        const QString path = trimmed.mid(1, trimmed.size() - 2);
        skippingDeletedKey_ = path.startsWith(u'-');
        current_ = skippingDeletedKey_ ? nullptr : &sectionFor(path);
        return true;
    }

    // A key seen again adds to the first.
    RegSection& sectionFor(const QString& path)
    {
        RegFile& file = result_.file;
        const QString folded = path.toCaseFolded();
        auto found = sectionIndex_.constFind(folded);
        if (found == sectionIndex_.cend()) {
            found = sectionIndex_.insert(folded, file.sections.size());
            file.addSection(path);
        }
        return file.sections[*found];
    }

    bool readValue(const QString& trimmed)
    {
        RegEntry entry;
        qsizetype pos = 0;
        if (!readValueName(trimmed, pos, &entry.name) || !skipEquals(trimmed, pos))
            return false;
        const QString data = joinedData(trimmed.mid(pos));
        if (!readData(data, &entry))
            return false;
        if (RegEntry* existing = current_->entry(entry.name))
            *existing = entry;
        else
            current_->entries.append(entry);
        return true;
    }

    // "@" is the default value; any other name is quoted. Leaves pos after the name.
    bool readValueName(const QString& trimmed, qsizetype& pos, QString* name)
    {
        if (trimmed.startsWith(u'@')) {
            pos = 1;
            return true;
        }
        if (!trimmed.startsWith(u'"'))
            return fail(QStringLiteral("neither a key nor a value"));
        if (!readQuoted(trimmed, pos, name))
            return fail(QStringLiteral("unterminated value name"));
        return true;
    }

    // Leaves pos at the data after '=' and the white space around it.
    bool skipEquals(const QString& trimmed, qsizetype& pos)
    {
        skipSpaces(trimmed, pos);
        if (pos >= trimmed.size() || trimmed[pos] != u'=')
            return fail(QStringLiteral("value without '='"));
        ++pos;
        skipSpaces(trimmed, pos);
        return true;
    }

    static void skipSpaces(const QString& text, qsizetype& pos)
    {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
    }

    // Binary data may run over several lines, each but the last ending in '\'. Trimmed after
    // each join, so that the data kept never ends in '\' or white space: written back on one
    // line, it reads as the same data and never swallows the entry after it. The lines joined
    // are consumed, so a later failure names the last of them.
    QString joinedData(QString data)
    {
        if (data.startsWith(u'"'))
            return data;
        while (data.endsWith(u'\\')) {
            data.chop(1);
            if (line_ + 1 < lines_.size())
                data += lines_[++line_].trimmed();
            data = data.trimmed();
        }
        return data;
    }

    bool readData(const QString& data, RegEntry* entry)
    {
        if (data.startsWith(u'"')) {
            qsizetype quotePos = 0;
            if (!readQuoted(data, quotePos, &entry->text))
                return fail(QStringLiteral("unterminated string value"));
            if (!QStringView(data).mid(quotePos).trimmed().isEmpty())
                return fail(QStringLiteral("text after a string value"));
            entry->kind = RegEntry::Kind::String;
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            if (!parseDword(QStringView(data).mid(6), &entry->number))
                return fail(QStringLiteral("bad dword value"));
            entry->kind = RegEntry::Kind::Dword;
        } else {
            entry->kind = RegEntry::Kind::Other;
            entry->rawData = data;
        }
        return true;
    }

    RegParse result_;
    QStringList lines_;
    qsizetype line_ = 0;
    bool headerSeen_ = false;
    // Keys by their case-folded path: a Wine-sized export holds thousands of them.
    QHash<QString, qsizetype> sectionIndex_;
    RegSection* current_ = nullptr;
    bool skippingDeletedKey_ = false;
};

} // namespace

RegParse parseRegFile(const QByteArray& bytes)
{
    return RegParser(bytes).run();
}

} // namespace tarvelin
