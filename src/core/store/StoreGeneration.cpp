// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreGeneration.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelin
{

namespace
{

constexpr QByteArrayView kMagicLine = "tarvelin-setup-utility store generation 1\n";

DecodedGeneration damaged(QString why)
{
    DecodedGeneration decoded;
    decoded.error = std::move(why);
    return decoded;
}

} // namespace

QString generationTimeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QByteArray encodeGeneration(const Generation& record, QByteArrayView storeBytes)
{
    const QJsonObject json{
        {QStringLiteral("id"), record.id},
        {QStringLiteral("time"), generationTimeText(record.time)},
        {QStringLiteral("command"), record.command},
        {QStringLiteral("setups"), record.setups},
        {QStringLiteral("bytes"), qint64(storeBytes.size())},
        {QStringLiteral("pinned"), record.pinned},
    };
    QByteArray out;
    const QByteArray line = QJsonDocument(json).toJson(QJsonDocument::Compact);
    out.reserve(kMagicLine.size() + line.size() + 1 + storeBytes.size());
    out += kMagicLine;
    out += line;
    out += '\n';
    out += storeBytes;
    return out;
}

DecodedGeneration decodeGenerationHead(QByteArrayView head, qint64 fileSize)
{
    if (!head.startsWith(kMagicLine))
        return damaged(QStringLiteral("not a store generation"));
    const qsizetype lineStart = kMagicLine.size();
    const qsizetype lineEnd = head.indexOf('\n', lineStart);
    if (lineEnd < 0)
        return damaged(QStringLiteral("the record is cut short"));
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(head.sliced(lineStart, lineEnd - lineStart).toByteArray(), &error);
    if (!document.isObject())
        return damaged(QStringLiteral("the record is not readable: %1").arg(error.errorString()));
    const QJsonObject json = document.object();

    const QJsonValue id = json.value(QStringLiteral("id"));
    const QJsonValue time = json.value(QStringLiteral("time"));
    const QJsonValue command = json.value(QStringLiteral("command"));
    const QJsonValue setups = json.value(QStringLiteral("setups"));
    const QJsonValue bytes = json.value(QStringLiteral("bytes"));
    const QJsonValue pinned = json.value(QStringLiteral("pinned"));
    if (!id.isDouble() || !time.isString() || !command.isString() || !setups.isDouble() ||
        !bytes.isDouble() || !pinned.isBool())
        return damaged(QStringLiteral("the record lacks a field"));

    Generation record;
    record.id = id.toInteger(-1);
    record.time = QDateTime::fromString(time.toString(), Qt::ISODate);
    record.command = command.toString();
    record.setups = setups.toInt(-1);
    record.bytes = bytes.toInteger(-1);
    record.pinned = pinned.toBool();
    if (record.id <= 0 || !record.time.isValid() || record.setups < 0 || record.bytes < 0)
        return damaged(QStringLiteral("the record holds an impossible value"));
    const qsizetype offset = lineEnd + 1;
    if (fileSize - offset != record.bytes)
        return damaged(QStringLiteral("the file holds %1 bytes of store, its record says %2")
                           .arg(fileSize - offset)
                           .arg(record.bytes));
    record.time = record.time.toUTC();
    DecodedGeneration decoded;
    decoded.record = record;
    decoded.bytesOffset = offset;
    return decoded;
}

} // namespace tarvelin
