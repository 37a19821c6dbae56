#pragma once

#include <string>
#include <vector>

// The floor every figure is measured against: the same work done by plain POSIX calls, with the
// same durability as the utility's writes (write a temporary file, fsync, rename).
namespace bench::floor
{

std::string readWhole(const std::string& path);
void writeAtomically(const std::string& path, const std::string& bytes);
void copyAtomically(const std::string& from, const std::string& to);
std::vector<std::string> listNames(const std::string& folder);

} // namespace bench::floor
