// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WineRegistry.h"

#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kKey = QStringLiteral("Software\\Ratbag\\Dirt Track Racing\\1.00");

QString text(const WineRegistry& wine, const QString& name, const QString& key = kKey)
{
    const RegistryValue value = wine.QueryValue(key, name);
    EXPECT_TRUE(std::holds_alternative<QString>(value)) << name.toStdString();
    return registryText(value);
}

bool nothing(const WineRegistry& wine, const QString& name)
{
    return std::holds_alternative<std::monostate>(wine.QueryValue(kKey, name));
}

// Written as Wine writes it: an attribute line after the key, all but ASCII escaped, long
// binary data broken over lines, and the key named in another letter case than we ask for.
const QByteArray kSystemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Ratbag\\\\Other\\\\1.00] 1700000000\n"
    "\"Directory\"=\"C:\\\\Other\"\n"
    "\n"
    "[SOFTWARE\\\\ratbag\\\\DIRT TRACK RACING\\\\1.00] 1700000001\n"
    "#time=1da0c2e5f1a2b3c\n"
    "#class=\"Ratbag\"\n"
    "@=\"default\"\n"
    "\"Directory\"=\"C:\\\\Games\\\\\\\"Dirt\\\" Caf\\x00e9f \\xe9 \\u\\101\\n\\t\\]\"\n"
    "\"Raw\"=\"Caf\xC3\xA9\"\r\n"
    "\"Expand\"=str(2):\"%ProgramFiles%\\\\Ratbag\"\n"
    "\"Multi\"=str(7):\"a\\0b\\0\"\n"
    "\"Count\"=dword:fffffffe\n"
    "\"Wide\"=hex(1):43,00,3a,00,5c,00,\\\n"
    "  41,00,00,00\n"
    "\"Blob\"=hex:01,02,03,04\n"
    "\"Four\"=hex(4):0a,00,00,00\n"
    "\n"
    "[Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00\\\\Sub] 1700000002\n"
    "\"Directory\"=\"C:\\\\Sub\"\n";

TEST(WineRegistryTest, ReadsEveryValueFormWithItsEscapesInAnyLetterCase)
{
    const WineRegistry wine = WineRegistry::parse(kSystemReg, {kKey});
    ASSERT_TRUE(wine.isValid());

    EXPECT_EQ(text(wine, "directory"), QStringLiteral("C:\\Games\\\"Dirt\" Caféf é uA\n\t]"));
    EXPECT_EQ(text(wine, "RAW"), QStringLiteral("Café"));
    EXPECT_EQ(text(wine, QString()), QStringLiteral("default"));
    EXPECT_EQ(text(wine, "Expand"), QStringLiteral("%ProgramFiles%\\Ratbag"));
    // A text Wine keeps as UTF-16 bytes (one it could not write in quotes), its NUL dropped.
    EXPECT_EQ(text(wine, "Wide"), QStringLiteral("C:\\A"));
    EXPECT_EQ(std::get<qint32>(wine.QueryValue(kKey.toUpper(), "count")), -2);
    EXPECT_EQ(std::get<qint32>(wine.QueryValue(kKey, "Four")), 10);
    EXPECT_EQ(wine.key(kKey)->values.size(), 9);
    EXPECT_EQ(wine.key(kKey)->values[7].bytes, QByteArray("\x01\x02\x03\x04"));
    EXPECT_TRUE(nothing(wine, "Blob"));
    EXPECT_TRUE(nothing(wine, "Multi"));
    EXPECT_TRUE(nothing(wine, "Missing"));

    // Only the keys asked for are kept; neither the sibling nor the subkey leaks into it.
    EXPECT_EQ(wine.key(QStringLiteral("Software\\Ratbag\\Other\\1.00")), nullptr);
    EXPECT_EQ(wine.key(kKey + QStringLiteral("\\Sub")), nullptr);
}

TEST(WineRegistryTest, DamagedFilesReadAsNothingAndCutValuesAreMissingRatherThanWrong)
{
    const QByteArray key = "[Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00] 1\n";
    const std::vector<QByteArray> noKey = {
        QByteArray(),
        "WINE REGISTRY Version 1\n" + key + "\"Directory\"=\"C:\\\\x\"\n",
        "REGEDIT4\n" + key + "\"Directory\"=\"C:\\\\x\"\n",
        QByteArray("\0\xFF\xFE\x01[\\\"", 7) + key,
    };
    for (const QByteArray& bytes : noKey) {
        const WineRegistry wine = WineRegistry::parse(bytes, {kKey});
        EXPECT_FALSE(wine.isValid());
        EXPECT_EQ(wine.key(kKey), nullptr);
    }

    const QByteArray header = "WINE REGISTRY Version 2\n";
    const std::vector<QByteArray> cutValues = {
        header + key + "\"Directory\"=\"C:\\\\Program Fi",
        header + key + "\"Directory\"=\"C:\\",
        header + key + "\"Directory\"=hex(1):43,00,\\",
        header + key + "\"Directory\"=hex(1):43,00 zz",
        header + key + "\"Directory\"=dword:123456789",
        header + key + "\"Directory\"=str(2:\"C:\\\\x\"",
        header + key + "\"Directory\"=str(2):C:",
        header + key + "\"Directory\"",
        header + "[Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00\n\"Directory\"=\"C:\\\\x\"\n",
        header + "[Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00\\",
    };
    for (const QByteArray& bytes : cutValues) {
        const WineRegistry wine = WineRegistry::parse(bytes, {kKey});
        EXPECT_TRUE(nothing(wine, "Directory")) << bytes.toStdString();
    }

    // A bad line is passed over; the values after it still count.
    const WineRegistry wine =
        WineRegistry::parse(header + key + "\"A\"=hex:zz\n\"Directory\"=\"C:\\\\x\"\n", {kKey});
    EXPECT_EQ(text(wine, "Directory"), QStringLiteral("C:\\x"));

    // Hex data cut just before the next key's header leaves that key whole, whether or not the
    // key of the cut value was asked for.
    const QByteArray cutBeforeKey = header + "[Software\\\\Wow6432Node\\\\Other]\n\"\"=hex:\\\n" +
                                    key + "\"Directory\"=\"C:\\\\x\"\n";
    for (const QStringList& asked :
         {QStringList{kKey}, QStringList{kKey, "Software\\Wow6432Node\\Other"}})
        EXPECT_EQ(text(WineRegistry::parse(cutBeforeKey, asked), "Directory"),
                  QStringLiteral("C:\\x"));
}

} // namespace
