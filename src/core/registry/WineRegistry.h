// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/registry/Registry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelin
{

// One value of a Wine registry key: its type as Wine stores it (1 REG_SZ, 2 REG_EXPAND_SZ,
// 4 REG_DWORD, 3 REG_BINARY...) and its data as text, number or bytes.
struct WineValue {
    // How the data was written: "text" or str(N):"text", dword:N, or hex: / hex(N): bytes.
    enum class Form { Text, Dword, Hex };

    QString name; // empty for the default value "@"
    quint32 type = 0;
    Form form = Form::Text;
    QString text;       // Form::Text
    quint32 number = 0; // Form::Dword
    QByteArray bytes;   // Form::Hex

    friend bool operator==(const WineValue&, const WineValue&) = default;
};

struct WineKey {
    QString path; // "Software\Ratbag\...", relative to HKEY_LOCAL_MACHINE
    QList<WineValue> values;
};

// The wanted keys of a Wine prefix's system.reg, the file in which Wine keeps
// HKEY_LOCAL_MACHINE. Read only: Wine rewrites the file itself whenever its server stops.
// The file runs to tens of megabytes, so only the keys asked for are kept.
class WineRegistry
{
public:
    // A file without the "WINE REGISTRY Version 2" header, too large or unreadable reads as no
    // key at all. Lines that cannot be understood are passed over, as Wine itself does, so a
    // cut or damaged value is missing rather than wrong.
    static WineRegistry parse(QByteArrayView bytes, const QStringList& keyPaths);
    // With `mentions`, a file that does not hold that text in any letter case (a key's name is
    // written as it is) holds none of the keys: it is not parsed, which keeps a search through many
    // prefixes to reading their files.
    static WineRegistry read(const QString& systemRegPath, const QStringList& keyPaths,
                             QByteArrayView mentions = {});

    // True when the file was a Wine registry at all.
    bool isValid() const { return valid_; }

    const WineKey* key(const QString& path) const;

    // As Registry::QueryValue: REG_SZ and REG_EXPAND_SZ read as text (also when Wine wrote them
    // as UTF-16 bytes), a four-byte REG_DWORD as a number, anything else as nothing.
    RegistryValue QueryValue(const QString& keyPath, const QString& valueName) const;
    // The value's type as Wine stores it (2: REG_EXPAND_SZ, to be expanded); 0 when there is none.
    quint32 valueType(const QString& keyPath, const QString& valueName) const;

private:
    bool valid_ = false;
    QList<WineKey> keys_;
};

// "Software\X" as a 32-bit program sees it in a 64-bit prefix: "Software\Wow6432Node\X".
// Empty for a path outside Software.
QString wow64KeyPath(const QString& keyPath);

} // namespace tarvelin
