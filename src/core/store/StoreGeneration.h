// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace tarvelin
{

// What the history knows of one kept store, read from its file's record.
struct Generation {
    qint64 id = 0;
    QDateTime time;  // UTC
    QString command; // the command that replaced this store ("delete", "opening", ...)
    int setups = 0;
    qint64 bytes = 0;
    bool pinned = false;
};

// One file per generation: a first line naming the format, the record as one line of JSON, then
// the store's bytes. Record and bytes are one file so a generation appears whole or not at all.
QByteArray encodeGeneration(const Generation& record, QByteArrayView storeBytes);

struct DecodedGeneration {
    std::optional<Generation> record; // nothing: the file is damaged or not a generation
    QString error;                    // why, when record is empty
    qsizetype bytesOffset = 0;        // where the store's bytes start
};

// Decodes the record at the start of a generation file. `fileSize` is the whole file's size,
// which must match the record; `head` may hold only the start of the file.
DecodedGeneration decodeGenerationHead(QByteArrayView head, qint64 fileSize);

// The record line is short: this much of a file always holds it.
inline constexpr qsizetype kGenerationHeadSize = 4096;

// Time as the records and the JSON write it: 2026-12-06T21:00:00Z.
QString generationTimeText(const QDateTime& time);

} // namespace tarvelin
