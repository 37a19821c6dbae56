#pragma once

#include <QString>

// The files every benchmark works on, built once per run under a temporary folder.
namespace bench
{

// A Dirt Track Racing game directory whose store holds 300 setups with 64-byte names (~88 KB).
QString fullStoreGameDirectory();
QString fullStorePath();
// A folder holding `count` setup files of Dirt Track Racing (a few non-matching files beside).
QString setupFolder(int count);
// A scratch folder for files the benchmarks write.
QString scratchFolder();

} // namespace bench
