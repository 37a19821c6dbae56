// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/FileNameEncoding.h"

namespace tarvelin
{

namespace
{

constexpr char16_t kEscapeBase = 0xDC00; // + the byte, 0x80..0xFF
constexpr char16_t kReplacement = 0xFFFD;

bool isHigh(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLow(char16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The code point of the well-formed UTF-8 sequence at `at` and its length, or length 0: no
// overlong forms, no surrogates, nothing past U+10FFFF, so that each code point has one form and
// decoding then encoding gives back the same bytes.
struct Sequence {
    char32_t point = 0;
    qsizetype length = 0;
};

Sequence sequenceAt(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const unsigned char lead = byte(at);
    qsizetype length = 0;
    char32_t point = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07;
        least = 0x10000;
    } else {
        return {};
    }
    if (at + length > bytes.size())
        return {};
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {};
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return {};
    return {point, length};
}

void appendUtf8(QByteArray& out, char32_t point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// A unit that is half of no pair.
bool isLoneSurrogate(QStringView text, qsizetype i)
{
    const char16_t u = text[i].unicode();
    if (isHigh(u))
        return i + 1 >= text.size() || !isLow(text[i + 1].unicode());
    if (isLow(u))
        return i == 0 || !isHigh(text[i - 1].unicode());
    return false;
}

} // namespace

QByteArray encodeFileName(QStringView name)
{
    QByteArray out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (isHigh(u) && i + 1 < name.size() && isLow(name[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, name[i + 1].unicode()));
            ++i;
        } else if (const int byte = escapedByteAt(name, i); byte >= 0) {
            out += static_cast<char>(byte);
        } else {
            // A lone surrogate that no decoded name holds has no bytes of its own.
            appendUtf8(out, QChar::isSurrogate(u) ? kReplacement : u);
        }
    }
    return out;
}

QString decodeFileName(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += QChar(lead);
            ++i;
            continue;
        }
        const Sequence sequence = sequenceAt(bytes, i);
        if (sequence.length == 0) {
            // One byte escaped; the next one may start a valid sequence again.
            out += QChar(char16_t(kEscapeBase + lead));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(sequence.point)) {
            out += QChar(QChar::highSurrogate(sequence.point));
            out += QChar(QChar::lowSurrogate(sequence.point));
        } else {
            out += QChar(char16_t(sequence.point));
        }
        i += sequence.length;
    }
    return out;
}

int escapedByteAt(QStringView text, qsizetype index)
{
    const char16_t u = text[index].unicode();
    if (u < kEscapeBase + 0x80 || u > kEscapeBase + 0xFF || !isLoneSurrogate(text, index))
        return -1;
    return u - kEscapeBase;
}

QString shownFileName(const QString& text)
{
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isLoneSurrogate(text, i))
            shown[i] = QChar(kReplacement);
    }
    return shown;
}

QString restoreShownBytes(const QString& typed, const QString& original)
{
    const QString shown = shownFileName(original);
    QString hidden; // the units shown as U+FFFD, in order
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QChar(kReplacement))
            hidden += original[i];
    }
    if (hidden.isEmpty() || typed.count(QChar(kReplacement)) != hidden.size())
        return typed;
    QString restored = typed;
    qsizetype next = 0;
    for (QChar& unit : restored) {
        if (unit == QChar(kReplacement))
            unit = hidden[next++];
    }
    return restored;
}

} // namespace tarvelin
