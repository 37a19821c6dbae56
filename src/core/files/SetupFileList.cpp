#include "core/files/SetupFileList.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tarvelin
{

namespace
{

// '*' and '?' wildcards over case-folded text, the only pattern syntax the games' files need.
// `Text` is a QStringView, or a std::string_view when name and pattern are plain ASCII.
template <class Text> bool wildcardMatch(Text pattern, Text name)
{
    using Unit = typename Text::value_type;
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    const auto patternSize = static_cast<qsizetype>(pattern.size());
    const auto nameSize = static_cast<qsizetype>(name.size());
    while (n < nameSize) {
        if (p < patternSize && (pattern[p] == Unit('?') || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < patternSize && pattern[p] == Unit('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < patternSize && pattern[p] == Unit('*'))
        ++p;
    return p == patternSize;
}

// The directory entry's type when the file system reports it; a stat only when it does not,
// or for a link, which counts as what it points to.
bool isRegularFile(int dirFd, const dirent* entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat info;
    return ::fstatat(dirFd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool isAscii(const char* text, size_t size)
{
    unsigned char any = 0;
    for (size_t i = 0; i < size; ++i)
        any |= static_cast<unsigned char>(text[i]);
    return any < 0x80;
}

// Appends each UTF-16 unit of `text` as its own UTF-8 sequence (surrogates one by one), so that
// comparing the bytes orders the texts exactly as comparing their UTF-16 units does.
void appendUnitOrdered(std::string& out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
}

// A listed file: its case-folded sort key and its name as read, both kept in shared buffers so
// that a folder of a hundred thousand files costs two allocations, not two hundred thousand.
struct Listed {
    std::uint64_t prefix; // the key's first eight bytes, big-endian: most orders decided here
    std::uint32_t key;
    std::uint32_t keySize;
    std::uint32_t name;
    std::uint32_t nameSize;
};

std::uint64_t prefixOf(const char* key, size_t size)
{
    std::uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < size ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

class Listing
{
public:
    explicit Listing(const QString& pattern)
        : foldedPattern_(pattern.toCaseFolded()),
          asciiPattern_(foldedPattern_.toLatin1().toStdString()),
          patternIsAscii_(std::all_of(foldedPattern_.cbegin(), foldedPattern_.cend(),
                                      [](QChar c) { return c.unicode() < 0x80; }))
    {
    }

    // Keeps the entry when it matches; the file-type check comes last, as it may cost a stat.
    void consider(int dirFd, const dirent* entry)
    {
        const char* raw = entry->d_name;
        const size_t size = std::strlen(raw);
        const size_t keyStart = keys_.size();
        if (patternIsAscii_ && isAscii(raw, size)) {
            // For plain ASCII, case folding is lowering A-Z.
            keys_.resize(keyStart + size);
            for (size_t i = 0; i < size; ++i) {
                const char c = raw[i];
                keys_[keyStart + i] = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
            }
            if (!wildcardMatch(std::string_view(asciiPattern_),
                               std::string_view(keys_.data() + keyStart, size))) {
                keys_.resize(keyStart);
                return;
            }
        } else {
            const QString key =
                QFile::decodeName(QByteArray::fromRawData(raw, qsizetype(size))).toCaseFolded();
            if (!wildcardMatch(QStringView(foldedPattern_), QStringView(key)))
                return;
            appendUnitOrdered(keys_, key);
        }
        if (!isRegularFile(dirFd, entry)) {
            keys_.resize(keyStart);
            return;
        }
        const size_t keySize = keys_.size() - keyStart;
        listed_.push_back(
            {prefixOf(keys_.data() + keyStart, keySize), static_cast<std::uint32_t>(keyStart),
             static_cast<std::uint32_t>(keySize), static_cast<std::uint32_t>(names_.size()),
             static_cast<std::uint32_t>(size)});
        names_.append(raw, size);
    }

    QStringList sortedNames()
    {
        std::sort(listed_.begin(), listed_.end(),
                  [this](const Listed& a, const Listed& b) { return before(a, b); });
        QStringList names;
        names.reserve(static_cast<qsizetype>(listed_.size()));
        for (const Listed& item : listed_)
            names.append(nameOf(item));
        return names;
    }

private:
    QString nameOf(const Listed& item) const
    {
        return QFile::decodeName(
            QByteArray::fromRawData(names_.data() + item.name, qsizetype(item.nameSize)));
    }

    // By the folded key; names that differ only in letter case by the names themselves.
    bool before(const Listed& a, const Listed& b) const
    {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const std::string_view keyA(keys_.data() + a.key, a.keySize);
        const std::string_view keyB(keys_.data() + b.key, b.keySize);
        if (const int order = keyA.compare(keyB); order != 0)
            return order < 0;
        return nameOf(a) < nameOf(b);
    }

    QString foldedPattern_;
    std::string asciiPattern_;
    bool patternIsAscii_;
    std::string keys_;
    std::string names_;
    std::vector<Listed> listed_;
};

} // namespace

QStringList listSetupFiles(const QString& folder, const QString& pattern)
{
    if (folder.isEmpty())
        return {};
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    Listing listing(pattern);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden files, "." and ".."
            continue;
        listing.consider(::dirfd(dir), entry);
    }
    ::closedir(dir);
    return listing.sortedNames();
}

} // namespace tarvelin
