#include "core/registry/Registry.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/registry/RegFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace tarvelin
{

namespace
{

// A Wine system.reg runs to tens of megabytes; anything far beyond is not a registry file.
constexpr qsizetype kMaxRegistryFileSize = qsizetype{256} * 1024 * 1024;
constexpr int kLockTimeoutMs = 5000;

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
};

Loaded load(const QString& path)
{
    Loaded loaded;
    const FileContents contents = readWholeFile(path, kMaxRegistryFileSize);
    if (contents.missing) {
        loaded.missing = true;
        return loaded;
    }
    if (!contents.ok) {
        qCWarning(lcRegistry) << "cannot read" << path << contents.error;
        return loaded;
    }
    RegParse parse = parseRegFile(contents.bytes);
    if (!parse.ok) {
        qCWarning(lcRegistry) << path << "is not a registry file we can change:" << parse.error;
        return loaded;
    }
    loaded.ok = true;
    loaded.file = std::move(parse.file);
    return loaded;
}

enum class WhenMissing { Fail, StartEmpty };

// Reads, changes and rewrites the file under its lock, so two running utilities lose no value.
// `change` answers whether the file must be written.
template <typename Change> bool rewrite(const QString& path, WhenMissing whenMissing, Change change)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        qCWarning(lcRegistry) << "cannot make the folder of" << path;
        return false;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        qCWarning(lcRegistry) << "another program holds the lock of" << path;
        return false;
    }
    Loaded loaded = load(path);
    if (loaded.missing && whenMissing == WhenMissing::StartEmpty)
        loaded.ok = true;
    if (!loaded.ok)
        return false;
    if (!change(loaded.file))
        return false;
    const FileResult saved = saveFileAtomically(path, serializeRegFile(loaded.file));
    if (!saved)
        qCWarning(lcRegistry) << "cannot write" << path << saved.error;
    return saved.ok;
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
        return entry->text;
    case RegEntry::Kind::Dword:
        return entry->number;
    case RegEntry::Kind::Other:
        break;
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
    // The value already as wanted (a remembered folder that stayed the same) leaves the file
    // unwritten: no rewrite, no flush to the disk.
    const Loaded loaded = load(filePath_);
    const RegSection* current = loaded.ok ? loaded.file.section(sectionPath(keyPath)) : nullptr;
    if (const RegEntry* existing = current ? current->entry(valueName) : nullptr;
        existing && sameValue(*existing, entry))
        return true;
    return rewrite(filePath_, WhenMissing::Fail, [&](RegFile& file) {
        RegSection* section = file.section(sectionPath(keyPath));
        if (!section)
            return false; // a missing key is never created by a write
        if (RegEntry* existing = section->entry(valueName))
            *existing = entry;
        else
            section->entries.append(entry);
        return true;
    });
}

bool Registry::DeleteValue(const QString& keyPath, const QString& valueName)
{
    // Deleting what is not there leaves the file as wanted, and unwritten.
    const Loaded loaded = load(filePath_);
    const RegSection* section = loaded.ok ? loaded.file.section(sectionPath(keyPath)) : nullptr;
    if (loaded.ok && (!section || !section->entry(valueName)))
        return true;
    return rewrite(filePath_, WhenMissing::Fail, [&](RegFile& file) {
        RegSection* target = file.section(sectionPath(keyPath));
        if (!target)
            return false;
        target->entries.removeIf(
            [&](const RegEntry& e) { return e.name.compare(valueName, Qt::CaseInsensitive) == 0; });
        return true;
    });
}

bool Registry::createKey(const QString& keyPath)
{
    if (keyExists(keyPath))
        return true;
    return rewrite(filePath_, WhenMissing::StartEmpty, [&](RegFile& file) {
        const QString path = sectionPath(keyPath);
        if (!file.section(path))
            file.addSection(path);
        return true;
    });
}

bool Registry::keyExists(const QString& keyPath) const
{
    const Loaded loaded = load(filePath_);
    return loaded.ok && loaded.file.section(sectionPath(keyPath)) != nullptr;
}

bool Registry::ensureCreated()
{
    if (QFileInfo::exists(filePath_))
        return true;
    return createKey(QString::fromLatin1(UtilityKey));
}

} // namespace tarvelin
