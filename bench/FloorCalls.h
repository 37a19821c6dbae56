// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The floor every figure is measured against: the same work done by plain POSIX calls, with the
// same durability as the utility's writes (the same flush and rename steps as QSaveFile).
namespace bench::floor
{

std::string readWhole(const std::string& path);
void writeAtomically(const std::string& path, const std::string& bytes);
// Two files that must both be on the disk before either takes its place, as a store and the
// generation kept of it: both written, flushed at once on two threads, then renamed in order.
void writeTwoAtomically(const std::string& first, const std::string& firstBytes,
                        const std::string& second, const std::string& secondBytes);
void copyAtomically(const std::string& from, const std::string& to);
// Writes without flushing: for fixture files, which need no durability.
void writePlain(const std::string& path, const std::string& bytes);
std::vector<std::string> listNames(const std::string& folder);

} // namespace bench::floor
