// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WineRegistry.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"

#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace tarvelin
{

// Missing drives and folders are ordinary (a game never installed): shown with QT_LOGGING_RULES.
namespace
{

// system.reg of a well-used prefix holds tens of megabytes; far beyond that it is no registry.
constexpr qsizetype kMaxSystemRegSize = qsizetype{256} * 1024 * 1024;
constexpr QByteArrayView kHeader = "WINE REGISTRY Version 2";

constexpr quint32 kTypeString = 1;
constexpr quint32 kTypeExpandString = 2;
constexpr quint32 kTypeBinary = 3;
constexpr quint32 kTypeDword = 4;

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

void skipSpaces(QByteArrayView text, qsizetype& pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
}

QByteArrayView trimmedStart(QByteArrayView line)
{
    qsizetype start = 0;
    skipSpaces(line, start);
    return line.sliced(start);
}

// "\x" and one to four hex digits; a "\x" without a digit stands for 'x'.
char16_t readHexEscape(QByteArrayView line, qsizetype& pos)
{
    if (pos >= line.size() || hexDigit(line[pos]) < 0)
        return u'x';
    char16_t unit = 0;
    for (int digits = 0; digits < 4 && pos < line.size() && hexDigit(line[pos]) >= 0; ++digits)
        unit = static_cast<char16_t>(unit * 16 + hexDigit(line[pos++]));
    return unit;
}

// "\N", "\NN" or "\NNN" in octal, its first digit already read.
char16_t readOctalEscape(QByteArrayView line, qsizetype& pos, char first)
{
    auto unit = static_cast<char16_t>(first - '0');
    for (int digits = 1; digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
         ++digits)
        unit = static_cast<char16_t>(unit * 8 + (line[pos++] - '0'));
    return unit;
}

// The character the escape at `pos`, just after its backslash, stands for; leaves `pos` after it.
char16_t readEscape(QByteArrayView line, qsizetype& pos)
{
    const char escaped = line[pos++];
    switch (escaped) {
    case 'a':
        return 0x07;
    case 'b':
        return 0x08;
    case 'e':
        return 0x1B;
    case 'f':
        return 0x0C;
    case 'n':
        return 0x0A;
    case 'r':
        return 0x0D;
    case 't':
        return 0x09;
    case 'v':
        return 0x0B;
    case 'x':
        return readHexEscape(line, pos);
    default:
        break;
    }
    if (escaped >= '0' && escaped <= '7')
        return readOctalEscape(line, pos, escaped);
    return static_cast<unsigned char>(escaped); // "\\", "\"", "\]" stand for themselves
}

// Reads one string as Wine writes it: plain bytes are UTF-8; "\\" and the quote or bracket
// it ends with are escaped, control characters are \n, \t..., other characters \xNNNN (one to
// four hex digits) or octal \NNN. Starts after the opening quote or bracket and leaves `pos`
// after `endChar`; false when the string never ends on this line.
bool decodeString(QByteArrayView line, qsizetype& pos, char endChar, QString* out)
{
    out->clear();
    qsizetype runStart = pos;
    auto flushRun = [&](qsizetype runEnd) {
        if (runEnd > runStart)
            out->append(QString::fromUtf8(line.sliced(runStart, runEnd - runStart)));
    };
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == endChar) {
            flushRun(pos);
            ++pos;
            return true;
        }
        if (c != '\\') {
            ++pos;
            continue;
        }
        flushRun(pos);
        if (++pos >= line.size())
            return false;
        out->append(QChar(readEscape(line, pos)));
        runStart = pos;
    }
    return false;
}

// Hex numbers of one to eight digits, as in "dword:0000000a" and "hex(2):".
bool readHexNumber(QByteArrayView text, qsizetype& pos, quint32* number)
{
    const qsizetype start = pos;
    quint32 value = 0;
    while (pos < text.size() && hexDigit(text[pos]) >= 0) {
        if (pos - start == 8)
            return false;
        value = value * 16 + static_cast<quint32>(hexDigit(text[pos++]));
    }
    *number = value;
    return pos > start;
}

// The lines of the file, one at a time, so that hex data may take its continuation lines.
class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool next(QByteArrayView* line)
    {
        if (pos_ >= bytes_.size())
            return false;
        qsizetype end = bytes_.indexOf('\n', pos_);
        if (end < 0)
            end = bytes_.size();
        *line = bytes_.sliced(pos_, end - pos_);
        if (line->endsWith('\r'))
            line->chop(1);
        last_ = pos_;
        pos_ = end + 1;
        return true;
    }
    // Gives the line just read back, for the next call to return again.
    void unread() { pos_ = last_; }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    qsizetype last_ = 0;
};

// The line after one that ends in "\". A key's header never continues a value: the value was
// cut there, and the key begins whether or not this value's key was asked for.
bool nextHexLine(LineReader& lines, QByteArrayView* data)
{
    if (!lines.next(data))
        return false;
    if (trimmedStart(*data).startsWith('[')) {
        lines.unread();
        return false;
    }
    return true;
}

// One byte "0a" at `pos` and the comma after it; false when anything else but a "\" or the
// end of the line follows.
bool readHexByte(QByteArrayView data, qsizetype& pos, QByteArray* out)
{
    const int high = hexDigit(data[pos]);
    const int low = pos + 1 < data.size() ? hexDigit(data[pos + 1]) : -1;
    if (high < 0 || low < 0)
        return false;
    out->append(static_cast<char>(high * 16 + low));
    pos += 2;
    skipSpaces(data, pos);
    if (pos < data.size() && data[pos] == ',')
        ++pos;
    else if (pos < data.size() && data[pos] != '\\')
        return false;
    return true;
}

// "01,02,\" + "  03" as bytes. A line ending in "\" goes on in the next line.
bool readHexBytes(QByteArrayView data, LineReader& lines, QByteArray* out)
{
    qsizetype pos = 0;
    for (;;) {
        skipSpaces(data, pos);
        if (pos >= data.size())
            return true;
        if (data[pos] == '\\') {
            if (!nextHexLine(lines, &data))
                return false;
            pos = 0;
        } else if (!readHexByte(data, pos, out)) {
            return false;
        }
    }
}

// The part after '=': "text", str:"..", str(N):"..", dword:N, hex:.., hex(N):..
bool readData(QByteArrayView data, LineReader& lines, WineValue* value)
{
    qsizetype pos = 0;
    value->type = kTypeString;
    if (data.startsWith("str")) {
        pos = 3;
        if (pos < data.size() && data[pos] == '(') {
            ++pos;
            if (!readHexNumber(data, pos, &value->type) || pos >= data.size() || data[pos] != ')')
                return false;
            ++pos;
        }
        if (pos >= data.size() || data[pos] != ':')
            return false;
        ++pos;
    }
    if (pos < data.size() && data[pos] == '"') {
        ++pos;
        return decodeString(data, pos, '"', &value->text);
    }
    if (pos > 0)
        return false; // str: without its quote
    if (data.startsWith("dword:")) {
        pos = 6;
        value->type = kTypeDword;
        value->form = WineValue::Form::Dword;
        if (!readHexNumber(data, pos, &value->number))
            return false;
        return trimmedStart(data.sliced(pos)).isEmpty();
    }
    value->form = WineValue::Form::Hex;
    if (data.startsWith("hex:")) {
        value->type = kTypeBinary;
        return readHexBytes(data.sliced(4), lines, &value->bytes);
    }
    if (data.startsWith("hex(")) {
        pos = 4;
        if (!readHexNumber(data, pos, &value->type) || !data.sliced(pos).startsWith("):"))
            return false;
        return readHexBytes(data.sliced(pos + 2), lines, &value->bytes);
    }
    return false;
}

// `"name"=data` or `@=data`. False when the line is not a whole value.
bool readValue(QByteArrayView line, LineReader& lines, WineValue* value)
{
    qsizetype pos = 1;
    if (!line.startsWith('@') && !decodeString(line, pos, '"', &value->name))
        return false;
    QByteArrayView rest = trimmedStart(line.sliced(pos));
    if (!rest.startsWith('='))
        return false;
    return readData(trimmedStart(rest.sliced(1)), lines, value);
}

QString normalizedKeyPath(const QString& path)
{
    QString key = path;
    while (key.startsWith(u'\\'))
        key.remove(0, 1);
    while (key.endsWith(u'\\'))
        key.chop(1);
    return key;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Most keys of the file are plain ASCII with "\\" between their parts and differ from the one
// wanted within a few characters: telling so without decoding keeps a large file quick. False
// when unsure (another escape, a character beyond ASCII), so that the key is decoded in full.
bool plainlyDifferent(QByteArrayView rawPath, QStringView wanted)
{
    if (rawPath.startsWith('\\'))
        return false;
    qsizetype pos = 0;
    for (const QChar wantedChar : wanted) {
        if (pos >= rawPath.size() || wantedChar.unicode() >= 0x80)
            return false;
        char c = rawPath[pos++];
        if (c == '\\') {
            if (pos >= rawPath.size() || rawPath[pos] != '\\')
                return false;
            ++pos;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
        if (lowerAscii(c) != lowerAscii(static_cast<char>(wantedChar.unicode())))
            return true;
    }
    return false;
}

QString utf16Text(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf16LE);
    return decoder(QByteArrayView(bytes).first(bytes.size() - bytes.size() % 2));
}

// The key a line "[Software\\Ratbag\\Game\\1.00] 1234567890" (the path, then when it was
// written) opens when it is one of `wanted`, else null. A key seen again adds to the first.
WineKey* openKey(QByteArrayView line, const QStringList& wanted, QList<WineKey>& keys)
{
    const QByteArrayView rawPath = line.sliced(1);
    if (std::all_of(wanted.cbegin(), wanted.cend(),
                    [&](const QString& w) { return plainlyDifferent(rawPath, w); }))
        return nullptr;
    qsizetype pos = 1;
    QString keyPath;
    if (!decodeString(line, pos, ']', &keyPath))
        return nullptr;
    keyPath = normalizedKeyPath(keyPath);
    if (std::none_of(wanted.cbegin(), wanted.cend(),
                     [&](const QString& w) { return sameName(w, keyPath); }))
        return nullptr;
    const auto found = std::find_if(
        keys.begin(), keys.end(), [&](const WineKey& key) { return sameName(key.path, keyPath); });
    if (found != keys.end())
        return &*found;
    keys.append(WineKey{keyPath, {}});
    return &keys.last();
}

// A value read again replaces the first of its name.
void keepValue(WineKey& key, WineValue value)
{
    auto existing = std::find_if(key.values.begin(), key.values.end(),
                                 [&](const WineValue& v) { return sameName(v.name, value.name); });
    if (existing != key.values.end())
        *existing = std::move(value);
    else
        key.values.append(std::move(value));
}

// The wanted keys of the lines after the header.
QList<WineKey> readWantedKeys(LineReader& lines, const QStringList& wanted)
{
    QList<WineKey> keys;
    WineKey* current = nullptr;
    QByteArrayView line;
    while (lines.next(&line)) {
        line = trimmedStart(line);
        if (line.startsWith('[')) {
            current = openKey(line, wanted, keys);
            continue;
        }
        // Comments (';'), key attributes ("#time=", "#class=", "#link") and the lines of
        // values in keys nobody asked for are passed over.
        if (!current || !(line.startsWith('"') || line.startsWith('@')))
            continue;
        WineValue value;
        if (readValue(line, lines, &value))
            keepValue(*current, std::move(value));
    }
    return keys;
}

// Horspool's search, letters in any case: it looks at about one byte in `wanted.size()`, so that
// the file is passed over in the time it takes to read it.
bool mentionsAnyCase(QByteArrayView text, QByteArrayView wanted)
{
    const qsizetype size = wanted.size();
    if (text.size() < size)
        return false;
    QByteArray lowered(size, '\0');
    std::array<qsizetype, 256> skip;
    skip.fill(size);
    for (qsizetype i = 0; i < size; ++i) {
        lowered[i] = lowerAscii(wanted[i]);
        if (i + 1 < size) {
            skip[static_cast<unsigned char>(lowered[i])] = size - 1 - i;
            skip[static_cast<unsigned char>(upperAscii(lowered[i]))] = size - 1 - i;
        }
    }
    const char* const wantedLow = lowered.constData();
    const char* const bytes = text.data();
    for (qsizetype pos = 0; pos + size <= text.size();) {
        const char last = bytes[pos + size - 1];
        qsizetype i = size - 1;
        while (i >= 0 && lowerAscii(bytes[pos + i]) == wantedLow[i])
            --i;
        if (i < 0)
            return true;
        pos += skip[static_cast<unsigned char>(last)];
    }
    return false;
}

} // namespace

QString wow64KeyPath(const QString& keyPath)
{
    const QString key = normalizedKeyPath(keyPath);
    const QString software = QStringLiteral("Software\\");
    if (!key.startsWith(software, Qt::CaseInsensitive))
        return {};
    return key.left(software.size()) + QStringLiteral("Wow6432Node\\") + key.mid(software.size());
}

WineRegistry WineRegistry::parse(QByteArrayView bytes, const QStringList& keyPaths)
{
    WineRegistry registry;
    LineReader lines(bytes);
    QByteArrayView line;
    if (!lines.next(&line) || line.trimmed() != kHeader)
        return registry;
    registry.valid_ = true;

    QStringList wanted;
    for (const QString& path : keyPaths)
        wanted << normalizedKeyPath(path);

    registry.keys_ = readWantedKeys(lines, wanted);
    return registry;
}

WineRegistry WineRegistry::read(const QString& systemRegPath, const QStringList& keyPaths,
                                QByteArrayView mentions)
{
    const FileContents contents = readWholeFile(systemRegPath, kMaxSystemRegSize);
    if (!contents.ok) {
        if (!contents.missing)
            qCWarning(lcWine) << "cannot read" << systemRegPath << contents.error;
        return {};
    }
    if (!mentions.isEmpty() && !mentionsAnyCase(contents.bytes, mentions))
        return parse(
            QByteArrayView(contents.bytes).first(std::min(contents.bytes.size(), kHeader.size())),
            {});
    WineRegistry registry = parse(contents.bytes, keyPaths);
    if (!registry.isValid())
        qCWarning(lcWine) << systemRegPath << "is not a Wine registry file";
    return registry;
}

const WineKey* WineRegistry::key(const QString& path) const
{
    const QString wanted = normalizedKeyPath(path);
    for (const WineKey& key : keys_)
        if (sameName(key.path, wanted))
            return &key;
    return nullptr;
}

RegistryValue WineRegistry::QueryValue(const QString& keyPath, const QString& valueName) const
{
    const WineKey* found = key(keyPath);
    if (!found)
        return {};
    for (const WineValue& value : found->values) {
        if (!sameName(value.name, valueName))
            continue;
        if (value.type == kTypeString || value.type == kTypeExpandString) {
            QString text = value.form == WineValue::Form::Hex ? utf16Text(value.bytes) : value.text;
            if (text.endsWith(QChar(0)))
                text.chop(1);
            return text;
        }
        if (value.type == kTypeDword) {
            if (value.form == WineValue::Form::Dword)
                return static_cast<qint32>(value.number);
            if (value.form == WineValue::Form::Hex && value.bytes.size() == 4)
                return static_cast<qint32>(qFromLittleEndian<quint32>(value.bytes.constData()));
        }
        return {};
    }
    return {};
}

quint32 WineRegistry::valueType(const QString& keyPath, const QString& valueName) const
{
    if (const WineKey* found = key(keyPath))
        for (const WineValue& value : found->values)
            if (sameName(value.name, valueName))
                return value.type;
    return 0;
}

} // namespace tarvelin
