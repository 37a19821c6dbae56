// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SetupFileList.h"

#include "core/files/SubfolderList.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FolderSteps.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
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
// that a folder of a hundred thousand files costs a few allocations, not two hundred thousand.
struct Stored {
    std::uint32_t key;
    std::uint32_t keySize;
    std::uint32_t name;
    std::uint32_t nameSize : 31;
    std::uint32_t ascii : 1; // the name as read is plain ASCII
};

// What the sort moves: the key's first sixteen bytes, big-endian, which decide most orders
// without a look into the shared buffers, and the entry they belong to.
struct Listed {
    std::uint64_t head;
    std::uint64_t next;
    std::uint32_t entry;
};

std::uint64_t bigEndianAt(const char* key, size_t size, size_t from)
{
    std::uint64_t part = 0;
    for (size_t i = from; i < from + 8; ++i)
        part = (part << 8) | (i < size ? static_cast<unsigned char>(key[i]) : 0u);
    return part;
}

// Orders the entries by their first sixteen key bytes, one byte at a time from the last (a
// stable counting sort each): the work grows with the count alone, where a comparison sort
// would take longer per entry the more entries there are. Bytes that all entries share, such as
// a common "track " at the start, cost one counting pass and no move.
void sortByHeads(std::vector<Listed>& items)
{
    std::vector<Listed> scratch(items.size());
    for (int byte = 15; byte >= 0; --byte) {
        const auto digit = [byte](const Listed& item) {
            const std::uint64_t part = byte < 8 ? item.head : item.next;
            return static_cast<size_t>((part >> (8 * (7 - byte % 8))) & 0xFF);
        };
        std::array<size_t, 257> start{};
        for (const Listed& item : items)
            ++start[digit(item) + 1];
        if (std::find(start.begin(), start.end(), items.size()) != start.end())
            continue;
        for (size_t i = 1; i < start.size(); ++i)
            start[i] += start[i - 1];
        for (const Listed& item : items)
            scratch[start[digit(item)]++] = item;
        items.swap(scratch);
    }
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

    // Room for about `entries` names at once, so that the buffers are not copied as they grow.
    void reserve(size_t entries)
    {
        constexpr size_t kTypicalName = 24;
        keys_.reserve(entries * kTypicalName);
        names_.reserve(entries * kTypicalName);
        stored_.reserve(entries);
        listed_.reserve(entries);
    }

    // Keeps the entry when it matches; the file-type check comes last, as it may cost a stat.
    void consider(const FolderEntry& entry)
    {
        const char* raw = entry.name();
        const size_t size = std::strlen(raw);
        const size_t keyStart = keys_.size();
        const bool ascii = isAscii(raw, size);
        if (patternIsAscii_ && ascii) {
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
            const QString key = decodeFileName(QByteArrayView(raw, qsizetype(size))).toCaseFolded();
            if (!wildcardMatch(QStringView(foldedPattern_), QStringView(key)))
                return;
            appendUnitOrdered(keys_, key);
        }
        // A link counts as what it names; a stat only where the folder does not say.
        if (!entry.isFile()) {
            keys_.resize(keyStart);
            return;
        }
        const size_t keySize = keys_.size() - keyStart;
        const char* key = keys_.data() + keyStart;
        listed_.push_back({bigEndianAt(key, keySize, 0), bigEndianAt(key, keySize, 8),
                           static_cast<std::uint32_t>(stored_.size())});
        stored_.push_back({static_cast<std::uint32_t>(keyStart),
                           static_cast<std::uint32_t>(keySize),
                           static_cast<std::uint32_t>(names_.size()),
                           static_cast<std::uint32_t>(size), ascii ? 1u : 0u});
        names_.append(raw, size);
    }

    QStringList sortedNames()
    {
        sortByHeads(listed_);
        // Entries whose first sixteen bytes agree are ordered by their whole keys.
        for (auto run = listed_.begin(); run != listed_.end();) {
            const auto end = std::find_if(run, listed_.end(), [&](const Listed& item) {
                return item.head != run->head || item.next != run->next;
            });
            if (end - run > 1)
                std::sort(run, end,
                          [this](const Listed& a, const Listed& b) { return before(a, b); });
            run = end;
        }
        QStringList names;
        names.reserve(static_cast<qsizetype>(listed_.size()));
        for (const Listed& item : listed_)
            names.append(nameOf(stored_[item.entry]));
        return names;
    }

private:
    QString nameOf(const Stored& item) const
    {
        if (item.ascii) // the same text as decoded, by Qt's quickest conversion
            return QString::fromLatin1(names_.data() + item.name, qsizetype(item.nameSize));
        return decodeFileName(QByteArrayView(names_.data() + item.name, qsizetype(item.nameSize)));
    }

    // By the folded key; names that differ only in letter case by the names themselves.
    bool before(const Listed& a, const Listed& b) const
    {
        if (a.head != b.head)
            return a.head < b.head;
        if (a.next != b.next)
            return a.next < b.next;
        const Stored& first = stored_[a.entry];
        const Stored& second = stored_[b.entry];
        const std::string_view keyA(keys_.data() + first.key, first.keySize);
        const std::string_view keyB(keys_.data() + second.key, second.keySize);
        if (const int order = keyA.compare(keyB); order != 0)
            return order < 0;
        return nameOf(first) < nameOf(second);
    }

    QString foldedPattern_;
    std::string asciiPattern_;
    bool patternIsAscii_;
    std::string keys_;
    std::string names_;
    std::vector<Stored> stored_;
    std::vector<Listed> listed_;
};

} // namespace

namespace
{

// Reads `folder` once; the subfolders too when `folders` is given.
QStringList readFolder(const QString& folder, const QString& pattern, SubfolderCollector* folders)
{
    if (folder.isEmpty())
        return {};
    Listing listing(pattern);
    bool reserved = false;
    qint64 sizeOnDisk = 0;
    const bool read = forEachEntry(
        folder,
        [&](const FolderEntry& entry) {
            if (!reserved) {
                // A folder's size on disk grows with its entries: a fair guess at how many.
                if (sizeOnDisk > 0)
                    listing.reserve(static_cast<size_t>(sizeOnDisk) / 32);
                reserved = true;
            }
            if (entry.name()[0] == '.') // hidden files
                return;
            if (folders && folders->consider(entry))
                return;
            listing.consider(entry);
        },
        &sizeOnDisk);
    return read ? listing.sortedNames() : QStringList();
}

} // namespace

bool matchesSetupPattern(const QString& name, const QString& pattern)
{
    const QString folded = name.toCaseFolded();
    const QString foldedPattern = pattern.toCaseFolded();
    return wildcardMatch(QStringView(foldedPattern), QStringView(folded));
}

QStringList listSetupFiles(const QString& folder, const QString& pattern)
{
    return readFolder(folder, pattern, nullptr);
}

FolderContents listFolder(const QString& folder, const QString& pattern)
{
    SubfolderCollector folders;
    FolderContents contents;
    contents.files = readFolder(folder, pattern, &folders);
    contents.subfolders = folders.sortedNames();
    return contents;
}

} // namespace tarvelin
