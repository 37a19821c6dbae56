// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelin
{

// One value line of a registry export. Strings and dwords are understood; every other kind
// (hex:, hex(2):, deletions...) is kept as the text after '=' and reads as nothing.
struct RegEntry {
    enum class Kind { String, Dword, Other };

    QString name; // empty for the default value "@"
    Kind kind = Kind::String;
    QString text;      // Kind::String
    qint32 number = 0; // Kind::Dword
    QString rawData;   // Kind::Other, exactly as read (continuations joined)

    friend bool operator==(const RegEntry&, const RegEntry&) = default;
};

// One "[HKEY_...\path]" section.
struct RegSection {
    QString path; // full path as written, root included
    QList<RegEntry> entries;

    RegEntry* entry(QStringView name);
    const RegEntry* entry(QStringView name) const;

    friend bool operator==(const RegSection&, const RegSection&) = default;
};

// A ".reg" export file: "REGEDIT4" (8-bit text) or "Windows Registry Editor Version 5.00"
// (UTF-16 with a byte-order mark). Key paths and value names compare without regard to case.
struct RegFile {
    enum class Encoding { Utf8, Utf16 };

    QString header = QStringLiteral("REGEDIT4");
    Encoding encoding = Encoding::Utf8;
    QList<RegSection> sections;

    RegSection* section(QStringView path);
    const RegSection* section(QStringView path) const;
    RegSection& addSection(const QString& path);

    friend bool operator==(const RegFile&, const RegFile&) = default;
};

struct RegParse {
    bool ok = false;
    RegFile file;
    QString error; // line number and reason when !ok
};

RegParse parseRegFile(const QByteArray& bytes);
QByteArray serializeRegFile(const RegFile& file);

// Why a key line "[path]" or a value name could not be read back as written, said of it ("holds a
// line break"); empty when it can. A value's text is escaped instead; what
// no encoding holds shows when the new file's text is parsed again before it is kept.
QString keyPathProblem(const QString& path);
QString valueNameProblem(const QString& name);

// "\" and '"' and the control characters a value may hold, as written inside quotes.
QString escapeRegString(const QString& text);

} // namespace tarvelin
