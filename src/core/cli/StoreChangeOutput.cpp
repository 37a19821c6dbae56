// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/StoreChangeOutput.h"

#include "core/cli/JsonOutput.h"

#include <QTextStream>

namespace tarvelin::cli
{

namespace
{

QString jsonBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString quotedNames(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << QLatin1Char('"') + name + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

} // namespace

void printPreview(QTextStream& out, const StorePreview& preview)
{
    const auto section = [&out](const char* title, const QStringList& names) {
        out << title << ' ' << names.size() << '\n';
        for (const QString& name : names)
            out << '\t' << name << '\n';
    };
    section("Bring back:", preview.bringBack);
    section("Remove:", preview.remove);
    section("Change:", preview.change);
    out << "Order changes: " << (preview.reorder ? "yes" : "no") << '\n';
}

QString previewJson(const StorePreview& preview)
{
    return QStringLiteral("{\"bring_back\": %1, \"remove\": %2, \"change\": %3, \"reorder\": %4}")
        .arg(jsonArray(preview.bringBack), jsonArray(preview.remove), jsonArray(preview.change),
             jsonBool(preview.reorder));
}

QString changeSummary(const StorePreview& preview)
{
    QStringList parts;
    if (!preview.bringBack.isEmpty())
        parts << QStringLiteral("adds ") + quotedNames(preview.bringBack);
    if (!preview.remove.isEmpty())
        parts << QStringLiteral("removes ") + quotedNames(preview.remove);
    if (!preview.change.isEmpty())
        parts << QStringLiteral("changes ") + quotedNames(preview.change);
    if (preview.reorder)
        parts << QStringLiteral("reorders the setups");
    if (parts.isEmpty())
        return QStringLiteral("the same setups in the same order");
    return parts.join(QStringLiteral("; "));
}

QString changesJson(const StorePreview& preview)
{
    return QStringLiteral("{\"add\": %1, \"remove\": %2, \"change\": %3, \"reorder\": %4}")
        .arg(jsonArray(preview.bringBack), jsonArray(preview.remove), jsonArray(preview.change),
             jsonBool(preview.reorder));
}

} // namespace tarvelin::cli
