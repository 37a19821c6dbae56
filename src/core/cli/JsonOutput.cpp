// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/JsonOutput.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tarvelin::cli
{

OrderedJson& OrderedJson::add(const char* key, const QJsonValue& value)
{
    // QJsonDocument writes arrays and objects only: the value is written inside an array.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    fields_ << QStringLiteral("\"%1\": %2")
                   .arg(QLatin1StringView(key),
                        QString::fromUtf8(wrapped.sliced(1, wrapped.size() - 2)));
    return *this;
}

OrderedJson& OrderedJson::addWritten(const char* key, const QString& json)
{
    fields_ << QStringLiteral("\"%1\": %2").arg(QLatin1StringView(key), json);
    return *this;
}

OrderedJson& OrderedJson::append(const OrderedJson& other)
{
    fields_ << other.fields_;
    return *this;
}

QString OrderedJson::text() const
{
    return QStringLiteral("{") + fields_.join(QStringLiteral(", ")) + QStringLiteral("}");
}

QString jsonArray(const QStringList& items)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(items)).toJson(QJsonDocument::Compact));
}

QString jsonArrayOfLines(const QStringList& objects)
{
    if (objects.isEmpty())
        return QStringLiteral("[]");
    return QStringLiteral("[\n  ") + objects.join(QStringLiteral(",\n  ")) + QStringLiteral("\n]");
}

} // namespace tarvelin::cli
