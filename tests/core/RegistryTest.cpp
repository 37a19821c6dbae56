// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/Registry.h"

#include "core/registry/RegFile.h"
#include "core/registry/RegistryCommands.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kKey = QString::fromLatin1(UtilityKey);

class RegistryTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("registry.reg"));
    Registry registry{path};

    void writeRaw(const QByteArray& bytes) { fixture::writeFile(path, bytes); }
    QByteArray raw() const { return fixture::readFile(path); }
    quint64 inode() const { return fixture::inodeOf(path); }
};

TEST_F(RegistryTest, TextsAndNumbersReadBackExactly)
{
    ASSERT_TRUE(registry.ensureCreated());
    const QStringList texts = {QStringLiteral("/home/player/My \"Setups\"\\2024"), QString(),
                               QStringLiteral("Café, 2nd line\nend"),
                               QStringLiteral("trailing blank ")};
    for (const QString& text : texts) {
        ASSERT_TRUE(
            registry.SetKeyValue(kKey, QStringLiteral("(Dir)"), text, RegistryType::String));
        EXPECT_EQ(registryText(registry.QueryValue(kKey, QStringLiteral("(Dir)"))), text);
        EXPECT_TRUE(std::holds_alternative<QString>(registry.QueryValue(kKey, "(Dir)")));
    }
    ASSERT_TRUE(registry.SetKeyValue(kKey, "Count", qint32(-2), RegistryType::Dword));
    EXPECT_EQ(std::get<qint32>(registry.QueryValue(kKey, "Count")), -2);
    EXPECT_EQ(registryText(registry.QueryValue(kKey, "Count")), QString());

    // Keys and names compare without regard to case, with or without the root in front.
    EXPECT_EQ(std::get<qint32>(registry.QueryValue("hkey_local_machine\\" + kKey.toUpper(),
                                                   QStringLiteral("count"))),
              -2);
}

TEST_F(RegistryTest, MissingKeyIsNeverCreatedByAWrite)
{
    ASSERT_TRUE(registry.ensureCreated());
    const QByteArray before = raw();
    EXPECT_FALSE(
        registry.SetKeyValue("Software\\Nobody", "x", QStringLiteral("y"), RegistryType::String));
    EXPECT_TRUE(registry.DeleteValue("Software\\Nobody", "x"));
    EXPECT_TRUE(registry.DeleteValue(kKey, "(Dir)"));
    EXPECT_EQ(raw(), before);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(registry.QueryValue(kKey, "(Dir)")));

    ASSERT_TRUE(registry.SetKeyValue(kKey, "(Dir)", QStringLiteral("/x"), RegistryType::String));
    ASSERT_TRUE(registry.DeleteValue(kKey, "(DIR)"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(registry.QueryValue(kKey, "(Dir)")));
}

// "registry get" on a value it cannot read says why in one clause: the file is no registry file
// (Wine's own system.reg, garbage), or the value is of a type it does not read.
TEST_F(RegistryTest, AValueThatCannotBeReadSaysWhy)
{
    struct Case {
        QByteArray file;
        const char* why; // after "No value ... in FILE"
    };
    const QByteArray section = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A]\r\n";
    const Case cases[] = {
        {section + "\"v\"=hex:01,02\r\n",
         ": it is hex REG_BINARY, which the utility does not read"},
        {section + "\"v\"=hex(7):41,00,00,00\r\n",
         ": it is hex(7) REG_MULTI_SZ, which the utility does not read"},
        {section + "\"v\"=hex(2):25,00,00,00\r\n",
         ": it is hex(2) REG_EXPAND_SZ, which the utility does not read"},
        {"WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n",
         ": it is not a registry file (line 1: not a registry export (no REGEDIT4 header))"},
        {section + "\"w\"=\"other\"\r\n", ""},
        {section, ""},
    };
    for (const Case& c : cases) {
        writeRaw(c.file);
        const RegistryValueOutcome outcome = getRegistryValue(registry, "A", "v");
        ASSERT_EQ(outcome.messages.size(), 1);
        EXPECT_EQ(outcome.messages[0].text,
                  "No value \"v\" under [HKEY_LOCAL_MACHINE\\A] in " + path + QLatin1String(c.why))
            << c.file.toStdString();
    }
}

TEST_F(RegistryTest, ReadsFilesWrittenByWindowsToolsAndKeepsWhatItDoesNotUnderstand)
{
    // An ANSI export: "Directory" holds an é as the single byte 0xE9; binary data spans lines.
    writeRaw("REGEDIT4\r\n\r\n"
             "[HKEY_LOCAL_MACHINE\\Software\\Ratbag\\Dirt Track Racing\\1.00]\r\n"
             "\"Directory\"=\"C:\\\\Jeux\\\\Dirt Track Racing \xE9t\xE9\"\r\n"
             "\"Blob\"=hex:01,02,\\\r\n  03\r\n"
             "@=\"default\"\r\n");
    const QString key = QStringLiteral("Software\\Ratbag\\Dirt Track Racing\\1.00");
    EXPECT_EQ(registryText(registry.QueryValue(key, "Directory")),
              QStringLiteral("C:\\Jeux\\Dirt Track Racing été"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(registry.QueryValue(key, "Blob")));

    ASSERT_TRUE(registry.SetKeyValue(key, "Extra", QStringLiteral("1"), RegistryType::String));
    // It holds an é, so it is written in the Unicode form Wine's regedit reads whole.
    ASSERT_TRUE(raw().startsWith("\xFF\xFE"));
    const QString after = QStringDecoder(QStringDecoder::Utf16LE)(raw().mid(2));
    EXPECT_TRUE(after.contains(QStringLiteral("\"Blob\"=hex:01,02,03")));
    EXPECT_TRUE(after.contains(QStringLiteral("@=\"default\"")));
    EXPECT_EQ(registryText(registry.QueryValue(key, "Directory")),
              QStringLiteral("C:\\Jeux\\Dirt Track Racing été"));

    // A text stored with its terminating NUL, escaped or raw, reads without it.
    writeRaw(QByteArray("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\A]\r\n\"e\"=\"/dtr\\0\"\r\n\"b\"=\"/sc") +
             '\0' + "\"\r\n");
    EXPECT_EQ(registryText(registry.QueryValue("A", "e")), QStringLiteral("/dtr"));
    EXPECT_EQ(registryText(registry.QueryValue("A", "b")), QStringLiteral("/sc"));
}

// Wine's regedit reads REGEDIT4 in the ANSI code page: the file is in the Unicode form as soon as
// it holds more than ASCII, and keeps its REGEDIT4 bytes while it does not. Read back, the Unicode
// form is what Windows' own tools export.
TEST_F(RegistryTest, AFileThatHoldsMoreThanAsciiIsWrittenAsWineReadsIt)
{
    writeRaw("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n\"v\"=\"plain\"\r\n\r\n");
    ASSERT_TRUE(
        registry.SetKeyValue("Software\\A", "w", QStringLiteral("ascii"), RegistryType::String));
    EXPECT_TRUE(raw().startsWith("REGEDIT4\r\n"));

    ASSERT_TRUE(
        registry.SetKeyValue("Software\\A", "w", QStringLiteral("Réglages"), RegistryType::String));
    const QString header = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
    QByteArray expected("\xFF\xFE", 2);
    expected += QByteArray(reinterpret_cast<const char*>(header.utf16()), header.size() * 2);
    EXPECT_TRUE(raw().startsWith(expected));
    EXPECT_EQ(registryText(registry.QueryValue("Software\\A", "w")), QStringLiteral("Réglages"));
    EXPECT_EQ(registryText(registry.QueryValue("Software\\A", "v")), QStringLiteral("plain"));
}

TEST_F(RegistryTest, FileThatCannotBeParsedIsNeverWritten)
{
    for (const QByteArray& broken :
         {QByteArray("not a registry\n"), QByteArray("REGEDIT4\n\"orphan\"=\"v\"\n"),
          QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"unterminated\n"),
          QByteArray("REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"v\"=dword:123456789\n")}) {
        writeRaw(broken);
        EXPECT_FALSE(registry.createKey("Software\\B"));
        EXPECT_FALSE(registry.SetKeyValue("A", "v", QStringLiteral("x"), RegistryType::String));
        EXPECT_EQ(raw(), broken);
        EXPECT_TRUE(std::holds_alternative<std::monostate>(registry.QueryValue("A", "v")));
    }
}

TEST_F(RegistryTest, FirstRunCreatesTheUtilityKeyAndOnlyThat)
{
    Registry nested(dir.filePath(QStringLiteral("config/tarvelin/registry.reg")));
    EXPECT_FALSE(nested.keyExists(kKey));
    ASSERT_TRUE(nested.ensureCreated());
    EXPECT_TRUE(nested.keyExists(kKey));
    EXPECT_FALSE(nested.keyExists("Software\\Ratbag\\Dirt Track Racing\\1.00"));
    const RegParse parse = parseRegFile(fixture::readFile(nested.filePath()));
    ASSERT_TRUE(parse.ok);
    EXPECT_EQ(parse.file.header, QStringLiteral("REGEDIT4"));
    EXPECT_EQ(parse.file.sections.size(), 1);

    qputenv("TARVELIN_REGISTRY", "/tmp/elsewhere.reg");
    EXPECT_EQ(Registry::defaultFilePath(), QStringLiteral("/tmp/elsewhere.reg"));
    qunsetenv("TARVELIN_REGISTRY");
    EXPECT_TRUE(Registry::defaultFilePath().endsWith("tarvelin-setup-utility/registry.reg"));

    // A file that holds only a game key gets the utility's key beside it.
    writeRaw("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Ratbag]\r\n\"Directory\"=\"/dtr\"\r\n");
    ASSERT_TRUE(registry.ensureCreated());
    EXPECT_TRUE(registry.SetKeyValue(kKey, "(Dir)", QStringLiteral("/s"), RegistryType::String));
    EXPECT_EQ(registryText(registry.QueryValue("Software\\Ratbag", "Directory")), "/dtr");
}

TEST_F(RegistryTest, WhatWouldNotReadBackIsRefusedAndTheFileKept)
{
    ASSERT_TRUE(registry.ensureCreated());
    const QByteArray before = raw();
    const QString lone(QChar(0xD800)); // half a surrogate pair: no encoding holds it
    for (const QString& bad :
         {QStringLiteral("A\nB"), QStringLiteral("A\rB"), QString(QChar(0)), lone}) {
        EXPECT_FALSE(registry.createKey("Software\\" + bad));
        EXPECT_FALSE(registry.SetKeyValue(kKey, bad, QStringLiteral("x"), RegistryType::String));
    }
    EXPECT_FALSE(registry.SetKeyValue(kKey, "(Dir)", lone, RegistryType::String));
    EXPECT_EQ(registry.lastError(), QStringLiteral("the new text would not read back as written"));
    EXPECT_EQ(raw(), before);

    // What the format does hold is still written: brackets, quotes, '=' and blanks.
    const QString odd = QStringLiteral("Software\\A]B \"[q]\" = ;x ");
    ASSERT_TRUE(registry.createKey(odd));
    ASSERT_TRUE(registry.SetKeyValue(odd, "=\"@\\", QStringLiteral("v"), RegistryType::String));
    EXPECT_EQ(registryText(registry.QueryValue(odd, "=\"@\\")), QStringLiteral("v"));
}

// Killed between creating its lock file and writing its process id into it: Qt alone would wait
// and then blame a live owner.
TEST_F(RegistryTest, LockFileOfAWriterThatIsGoneIsTakenOver)
{
    ASSERT_TRUE(registry.ensureCreated());
    fixture::writeFile(path + QStringLiteral(".lock"), {});
    EXPECT_TRUE(registry.SetKeyValue(kKey, "a", QStringLiteral("1"), RegistryType::String))
        << registry.lastError().toStdString();
}

TEST_F(RegistryTest, AValueAlreadyAsWantedIsNotWrittenAgain)
{
    ASSERT_TRUE(registry.ensureCreated());
    ASSERT_TRUE(
        registry.SetKeyValue(kKey, "(Dir)", QStringLiteral("/setups"), RegistryType::String));
    ASSERT_TRUE(registry.SetKeyValue(kKey, "Count", qint32(7), RegistryType::Dword));

    quint64 before = inode();
    EXPECT_TRUE(
        registry.SetKeyValue(kKey, "(Dir)", QStringLiteral("/setups"), RegistryType::String));
    EXPECT_TRUE(registry.SetKeyValue(kKey, "Count", qint32(7), RegistryType::Dword));
    EXPECT_TRUE(registry.SetKeyValue(kKey, "Count", QStringLiteral("7"), RegistryType::Dword));
    EXPECT_EQ(inode(), before);

    // Anything that the file would show differently is written: the data, the kind, the name's
    // letter case.
    const auto rewrites = [&](const QString& name, const RegistryValue& value, RegistryType type) {
        before = inode();
        return registry.SetKeyValue(kKey, name, value, type) && inode() != before;
    };
    EXPECT_TRUE(rewrites("(Dir)", QStringLiteral("/setups/"), RegistryType::String));
    EXPECT_TRUE(rewrites("Count", qint32(8), RegistryType::Dword));
    EXPECT_TRUE(rewrites("Count", qint32(8), RegistryType::String));
    EXPECT_TRUE(rewrites("(DIR)", QStringLiteral("/setups/"), RegistryType::String));
    EXPECT_TRUE(rewrites("New", QString(), RegistryType::String));
    EXPECT_TRUE(raw().contains("\"(DIR)\"=\"/setups/\""));
    EXPECT_TRUE(raw().contains("\"Count\"=\"8\""));
    EXPECT_EQ(registryText(registry.QueryValue(kKey, "New")), QString());
}

} // namespace
