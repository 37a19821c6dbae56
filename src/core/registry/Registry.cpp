// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/Registry.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/LockFile.h"
#include "core/platform/PathInfo.h"
#include "core/registry/RegFile.h"

#include <QStandardPaths>
#include <algorithm>

namespace tarvelin
{

namespace
{

// A Wine system.reg runs to tens of megabytes; anything far beyond is not a registry file.
constexpr qsizetype kMaxRegistryFileSize = qsizetype{256} * 1024 * 1024;
constexpr std::chrono::milliseconds kLockWait{5000};

const QString kRoot = QStringLiteral("HKEY_LOCAL_MACHINE");

// "Software\Foo" (or "HKEY_LOCAL_MACHINE\Software\Foo", "HKLM\Software\Foo") as a section path.
QString sectionPath(const QString& keyPath)
{
    QString key = keyPath;
    for (const QString& prefix : {kRoot + u'\\', QStringLiteral("HKLM\\")}) {
        if (key.startsWith(prefix, Qt::CaseInsensitive)) {
            key = key.mid(prefix.size());
            break;
        }
    }
    while (key.endsWith(u'\\'))
        key.chop(1);
    while (key.startsWith(u'\\'))
        key.remove(0, 1);
    return key.isEmpty() ? kRoot : kRoot + u'\\' + key;
}

struct Loaded {
    bool ok = false;
    bool missing = false;
    RegFile file;
    QString error; // why it cannot be changed, when !ok and !missing
};

Loaded load(const QString& path)
{
    Loaded loaded;
    const FileContents contents = readWholeFile(path, kMaxRegistryFileSize);
    if (contents.missing) {
        loaded.missing = true;
        loaded.error = QStringLiteral("it does not exist");
        return loaded;
    }
    if (!contents.ok) {
        qCWarning(lcRegistry) << "cannot read" << path << contents.error;
        loaded.error = QStringLiteral("it cannot be read: %1").arg(contents.error);
        return loaded;
    }
    RegParse parse = parseRegFile(contents.bytes);
    if (!parse.ok) {
        qCWarning(lcRegistry) << path << "is not a registry file we can change:" << parse.error;
        loaded.error = QStringLiteral("it is not a registry file (%1)").arg(parse.error);
        return loaded;
    }
    loaded.ok = true;
    loaded.file = std::move(parse.file);
    return loaded;
}

enum class WhenMissing { Fail, StartEmpty };

// Reads, changes and rewrites the file under its lock, so two running utilities lose no value.
// `change` makes the change, or answers why it cannot; the new text is only kept when it reads
// back as exactly what was meant. Empty when the file now holds the change, else why not.
template <typename Change>
QString rewrite(const QString& path, WhenMissing whenMissing, Change change)
{
    const QString folder = absolutePath(path).section(u'/', 0, -2);
    if (!makeFolders(folder.isEmpty() ? QStringLiteral("/") : folder, PathKind::RegistryFile)) {
        qCWarning(lcRegistry) << "cannot make the folder of" << path;
        return QStringLiteral("its folder %1 cannot be made").arg(folder);
    }
    LockFile lock(path + QStringLiteral(".lock"));
    if (QString locked = lock.take(kLockWait); !locked.isEmpty()) {
        qCWarning(lcRegistry).noquote() << path << "is locked:" << locked;
        return locked;
    }
    Loaded loaded = load(path);
    if (loaded.missing && whenMissing == WhenMissing::StartEmpty)
        loaded.ok = true;
    if (!loaded.ok)
        return loaded.error;
    if (QString refused = change(loaded.file); !refused.isEmpty())
        return refused;
    QByteArray text = serializeRegFile(loaded.file);
    // Wine's regedit reads a REGEDIT4 file in the ANSI code page, which turns "Réglages" into
    // "RÃ©glages": a file that holds more than ASCII is written in the Unicode form, which
    // regedit reads whole. One of plain ASCII keeps its form and its bytes.
    if (loaded.file.encoding == RegFile::Encoding::Utf8 &&
        std::any_of(text.cbegin(), text.cend(), [](char c) { return (c & 0x80) != 0; })) {
        loaded.file.header = QStringLiteral("Windows Registry Editor Version 5.00");
        loaded.file.encoding = RegFile::Encoding::Utf16;
        text = serializeRegFile(loaded.file);
    }
    if (const RegParse again = parseRegFile(text); !again.ok || again.file != loaded.file) {
        qCWarning(lcRegistry) << "the new text of" << path << "does not read back as written";
        return QStringLiteral("the new text would not read back as written");
    }
    const FileResult saved = saveFileAtomically(path, text, {}, PathKind::RegistryFile);
    if (!saved) {
        qCWarning(lcRegistry) << "cannot write" << path << saved.error;
        return QStringLiteral("it cannot be written: %1").arg(saved.error);
    }
    return {};
}

QString missingKey(const QString& section)
{
    return QStringLiteral("it has no key [%1]").arg(section);
}

// Equal as written to the file: the name with its letter case, the kind and the data.
bool sameValue(const RegEntry& a, const RegEntry& b)
{
    if (a.name != b.name || a.kind != b.kind)
        return false;
    return a.kind == RegEntry::Kind::String ? a.text == b.text : a.number == b.number;
}

} // namespace

QString registryText(const RegistryValue& value)
{
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    return {};
}

Registry::Registry(QString filePath) : filePath_(std::move(filePath)) {}

QString Registry::defaultFilePath()
{
    QString fromEnvironment = qEnvironmentVariable("TARVELIN_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tarvelin-setup-utility/registry.reg");
}

RegistryValue Registry::QueryValue(const QString& keyPath, const QString& valueName) const
{
    const Loaded loaded = load(filePath_);
    if (!loaded.ok)
        return {};
    const RegSection* section = loaded.file.section(sectionPath(keyPath));
    const RegEntry* entry = section ? section->entry(valueName) : nullptr;
    if (!entry)
        return {};
    switch (entry->kind) {
    case RegEntry::Kind::String:
        // A REG_SZ exported with its terminating NUL ("text\0") is still the text.
        if (entry->text.endsWith(QChar(0)))
            return entry->text.chopped(1);
        return entry->text;
    case RegEntry::Kind::Dword:
        return entry->number;
    case RegEntry::Kind::Other:
        break;
    }
    return {};
}

QString Registry::whyNoValue(const QString& keyPath, const QString& valueName) const
{
    const Loaded loaded = load(filePath_);
    if (!loaded.ok)
        return loaded.missing ? QString() : loaded.error;
    const RegSection* section = loaded.file.section(sectionPath(keyPath));
    const RegEntry* entry = section ? section->entry(valueName) : nullptr;
    if (!entry || entry->kind != RegEntry::Kind::Other)
        return {};
    static const std::pair<const char*, const char*> kTypes[] = {
        {"hex:", "REG_BINARY"},       {"hex(0):", "REG_NONE"},   {"hex(1):", "REG_SZ"},
        {"hex(2):", "REG_EXPAND_SZ"}, {"hex(3):", "REG_BINARY"}, {"hex(4):", "REG_DWORD"},
        {"hex(7):", "REG_MULTI_SZ"},  {"hex(b):", "REG_QWORD"}};
    const QString data = entry->rawData.trimmed();
    for (const auto& [form, type] : kTypes)
        if (data.startsWith(QLatin1String(form), Qt::CaseInsensitive))
            return QStringLiteral("it is %1 %2, which the utility does not read")
                .arg(QLatin1String(form).chopped(1), QLatin1String(type));
    return QStringLiteral("it is %1, which the utility does not read")
        .arg(data.section(u':', 0, 0));
}

QString Registry::namesProblem(const QString& keyPath, const QString* valueName)
{
    if (QString problem = keyPathProblem(sectionPath(keyPath)); !problem.isEmpty())
        return QStringLiteral("the key path %1").arg(problem);
    if (valueName) {
        if (QString problem = valueNameProblem(*valueName); !problem.isEmpty())
            return QStringLiteral("the value name %1").arg(problem);
    }
    return {};
}

bool Registry::SetKeyValue(const QString& keyPath, const QString& valueName,
                           const RegistryValue& value, RegistryType type)
{
    RegEntry entry;
    entry.name = valueName;
    if (type == RegistryType::String) {
        entry.kind = RegEntry::Kind::String;
        if (const auto* number = std::get_if<qint32>(&value))
            entry.text = QString::number(*number);
        else
            entry.text = registryText(value);
    } else {
        entry.kind = RegEntry::Kind::Dword;
        if (const auto* number = std::get_if<qint32>(&value))
            entry.number = *number;
        else
            entry.number = registryText(value).toInt();
    }
    if (!(lastError_ = namesProblem(keyPath, &valueName)).isEmpty())
        return false;
    // The value already as wanted (a remembered folder that stayed the same) leaves the file
    // unwritten: no rewrite, no flush to the disk.
    const Loaded loaded = load(filePath_);
    const RegSection* current = loaded.ok ? loaded.file.section(sectionPath(keyPath)) : nullptr;
    if (const RegEntry* existing = current ? current->entry(valueName) : nullptr;
        existing && sameValue(*existing, entry))
        return true;
    lastError_ = rewrite(filePath_, WhenMissing::Fail, [&](RegFile& file) {
        const QString path = sectionPath(keyPath);
        RegSection* section = file.section(path);
        if (!section)
            return missingKey(path); // a missing key is never created by a write
        if (RegEntry* existing = section->entry(valueName))
            *existing = entry;
        else
            section->entries.append(entry);
        return QString();
    });
    return lastError_.isEmpty();
}

bool Registry::DeleteValue(const QString& keyPath, const QString& valueName)
{
    lastError_.clear();
    // Deleting what is not there leaves the file as wanted, and unwritten.
    const Loaded loaded = load(filePath_);
    const RegSection* section = loaded.ok ? loaded.file.section(sectionPath(keyPath)) : nullptr;
    if (loaded.ok && (!section || !section->entry(valueName)))
        return true;
    lastError_ = rewrite(filePath_, WhenMissing::Fail, [&](RegFile& file) {
        const QString path = sectionPath(keyPath);
        RegSection* target = file.section(path);
        if (!target)
            return missingKey(path);
        target->entries.removeIf(
            [&](const RegEntry& e) { return e.name.compare(valueName, Qt::CaseInsensitive) == 0; });
        return QString();
    });
    return lastError_.isEmpty();
}

bool Registry::createKey(const QString& keyPath)
{
    lastError_.clear();
    if (keyExists(keyPath))
        return true;
    if (!(lastError_ = namesProblem(keyPath, nullptr)).isEmpty())
        return false;
    lastError_ = rewrite(filePath_, WhenMissing::StartEmpty, [&](RegFile& file) {
        const QString path = sectionPath(keyPath);
        if (!file.section(path))
            file.addSection(path);
        return QString();
    });
    return lastError_.isEmpty();
}

bool Registry::keyExists(const QString& keyPath) const
{
    const Loaded loaded = load(filePath_);
    return loaded.ok && loaded.file.section(sectionPath(keyPath)) != nullptr;
}

bool Registry::ensureCreated()
{
    // The installer's part, made up for wherever it is missing: a file first written by
    // "registry set" or a Wine import holds only game keys, and the folders the windows remember
    // are written into this key only.
    return createKey(QString::fromLatin1(UtilityKey));
}

} // namespace tarvelin
