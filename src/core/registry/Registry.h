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
// written: the registry then works read-only on what could be read, and logs why.
class Registry
{
public:
    explicit Registry(QString filePath);

    // TARVELIN_REGISTRY, else $XDG_CONFIG_HOME/tarvelin-setup-utility/registry.reg.
    static QString defaultFilePath();

    const QString& filePath() const { return filePath_; }

    RegistryValue QueryValue(const QString& keyPath, const QString& valueName) const;
    // Writes into an existing key only; a missing key makes this do nothing, as on Windows.
    // The change methods return whether the file now holds the change.
    bool SetKeyValue(const QString& keyPath, const QString& valueName, const RegistryValue& value,
                     RegistryType type);
    bool DeleteValue(const QString& keyPath, const QString& valueName);

    // The player's own tools (the command line, the first run) may create keys; windows never do.
    bool createKey(const QString& keyPath);
    bool keyExists(const QString& keyPath) const;
    // Creates the file with UtilityKey when it does not exist yet. True when the file exists.
    bool ensureCreated();

private:
    QString filePath_;
};

} // namespace tarvelin
