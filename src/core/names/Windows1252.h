// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelin
{

// Setup names are stored as Windows-1252 bytes. They are decoded only to be shown;
// the bytes themselves travel unchanged between files.
QString decodeWindows1252(QByteArrayView bytes);
// The Unicode code of the character one Windows-1252 byte stands for.
char16_t windows1252Unicode(unsigned char byte);

// Encodes text as Windows-1252. Characters with no Windows-1252 byte become '?' and clear *ok.
QByteArray encodeWindows1252(QStringView text, bool* ok = nullptr);

} // namespace tarvelin
