// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/MountInfo.h"

namespace tarvelin
{

namespace
{

// "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw,errors=continue": six
// fields, any number of optional ones, a lone "-", then the type, the source and its options.
constexpr qsizetype kFieldsBeforeOptional = 6;

} // namespace

QString unescapeMountField(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field.at(at) >= '0' && field.at(at) <= '7';
        };
        if (field.at(i) == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out += char(field.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            out += field.at(i);
        }
    }
    return QString::fromUtf8(out);
}

QList<MountRow> parseMountInfo(const QByteArray& table)
{
    QList<MountRow> rows;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const qsizetype separator = fields.indexOf("-", kFieldsBeforeOptional);
        if (fields.size() < kFieldsBeforeOptional || separator < 0 || fields.size() < separator + 3)
            continue;
        rows.append({unescapeMountField(fields.at(4)), unescapeMountField(fields.at(separator + 1)),
                     unescapeMountField(fields.at(separator + 2)), unescapeMountField(fields.at(3)),
                     QString::fromLatin1(fields.at(2))});
    }
    return rows;
}

} // namespace tarvelin
