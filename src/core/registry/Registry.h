// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

namespace tarvelin
{

// The utility's own key under HKEY_LOCAL_MACHINE, where it remembers the player's folders.
inline constexpr char UtilityKey[] = "Software\\Tarvelin\\TarvelinSetupUtility\\6.2.2";

// Registry value types the utility reads and writes; every other type reads as nothing.
enum class RegistryType { String = 1, Dword = 4 };

// A value read: a text, a 32-bit number, or nothing (missing key or value, unhandled type).
using RegistryValue = std::variant<std::monostate, QString, qint32>;

// Text of a value; nothing and numbers read as the empty text, as the windows take them.
QString registryText(const RegistryValue& value);

// The stand-in for HKEY_LOCAL_MACHINE: a text file in the REGEDIT4 export format.
// Every operation reads the file afresh; every change rewrites it whole and atomically under a
// lock file, so two running utilities lose no value. A file that cannot be parsed is never
// written: the registry then works read-only on what could be read, and logs why. Neither is a
// key path or value name that would not read back as itself, nor any new text that does not.
class Registry
{
public:
    explicit Registry(QString filePath);

    // TARVELIN_REGISTRY, else $XDG_CONFIG_HOME/tarvelin-setup-utility/registry.reg.
    static QString defaultFilePath();

    const QString& filePath() const { return filePath_; }

    RegistryValue QueryValue(const QString& keyPath, const QString& valueName) const;
    // Why QueryValue reads nothing where the file is no registry file or the value is of a type
    // the utility does not read ("it is hex(7): REG_MULTI_SZ"); empty for a value or key that is
    // simply missing, and for a value that reads.
    QString whyNoValue(const QString& keyPath, const QString& valueName) const;
    // Writes into an existing key only; a missing key makes this do nothing, as on Windows.
    // The change methods return whether the file now holds the change.
    bool SetKeyValue(const QString& keyPath, const QString& valueName, const RegistryValue& value,
                     RegistryType type);
    bool DeleteValue(const QString& keyPath, const QString& valueName);

    // The player's own tools (the command line, the first run) may create keys; windows never do.
    bool createKey(const QString& keyPath);
    bool keyExists(const QString& keyPath) const;
    // Adds UtilityKey when the file lacks it, creating the file when there is none. True when the
    // file holds the key.
    bool ensureCreated();

    // Why a change of this value (or, without a name, the creation of this key) would be refused
    // before the file is even read: a name that would not read back. Empty when none.
    static QString namesProblem(const QString& keyPath, const QString* valueName);

    // Why the last change, key or ensureCreated call failed: a reason to put after "was not
    // changed: ". Empty after one that succeeded.
    const QString& lastError() const { return lastError_; }

private:
    QString filePath_;
    QString lastError_;
};

} // namespace tarvelin
