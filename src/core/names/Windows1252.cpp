// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/Windows1252.h"

#include <array>

namespace tarvelin
{

namespace
{

// Bytes 0x80 to 0x9F; the five bytes Windows leaves undefined map to the C1 controls of the
// same value, as Windows itself does, so that every byte decodes and encodes back to itself.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t windows1252Unicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(windows1252Unicode(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray encodeWindows1252(QStringView text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool allEncoded = true;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.append(static_cast<char>(code));
            continue;
        }
        int found = -1;
        for (int i = 0; i < static_cast<int>(kHighControls.size()); ++i) {
            if (kHighControls[static_cast<size_t>(i)] == code)
                found = i;
        }
        if (found < 0) {
            bytes.append('?');
            allEncoded = false;
        } else {
            bytes.append(static_cast<char>(0x80 + found));
        }
    }
    if (ok)
        *ok = allEncoded;
    return bytes;
}

} // namespace tarvelin
