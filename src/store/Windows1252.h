#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelin
{

// Setup names are stored as Windows-1252 bytes. They are decoded only to be shown;
// the bytes themselves travel unchanged between files.
QString decodeWindows1252(QByteArrayView bytes);

// Encodes text as Windows-1252. Characters with no Windows-1252 byte become '?' and clear *ok.
QByteArray encodeWindows1252(QStringView text, bool* ok = nullptr);

} // namespace tarvelin
