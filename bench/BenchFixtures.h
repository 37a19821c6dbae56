// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The files every benchmark works on, built once per run under a temporary folder.
namespace bench
{

// A Dirt Track Racing game directory whose store holds 300 setups with 64-byte names (~88 KB).
QString fullStoreGameDirectory();
QString fullStorePath();
// A folder holding `count` setup files of Dirt Track Racing (a few non-matching files beside).
QString setupFolder(int count);
// The bytes of a Dirt Track Racing store holding `count` setups, names in descending order so
// that a sort really moves them.
QByteArray storeBytes(int count);
// A single-setup file's bytes.
QByteArray setupFileBytes();
// A new game directory named `name` whose store holds `bytes`.
QString gameDirectoryWith(const QString& name, const QByteArray& bytes);

// A registry file that points Dirt Track Racing at `gameDirectory` and remembers
// `rememberedFolder` as the folder of setup files, as a game window reads them when it opens;
// written as `fileName` in the bench's folder.
QString windowRegistry(const QString& gameDirectory, const QString& rememberedFolder,
                       const QString& fileName = QStringLiteral("registry.reg"));

// A scratch folder for files the benchmarks write.
QString scratchFolder();

} // namespace bench
