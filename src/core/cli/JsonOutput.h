// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace tarvelin::cli
{

// A JSON object with its keys in the order the help documents, which QJsonObject would sort.
class OrderedJson
{
public:
    OrderedJson& add(const char* key, const QJsonValue& value);
    // A value already written as JSON (another object's text()).
    OrderedJson& addWritten(const char* key, const QString& json);
    // The other object's keys after these.
    OrderedJson& append(const OrderedJson& other);
    // On one line: {"key": value, ...}
    QString text() const;

private:
    QStringList fields_;
};

// Texts as a JSON array on one line.
QString jsonArray(const QStringList& items);

// Objects already written as JSON (OrderedJson::text), as an array with one object a line.
QString jsonArrayOfLines(const QStringList& objects);

} // namespace tarvelin::cli
