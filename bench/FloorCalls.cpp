// SPDX-License-Identifier: GPL-3.0-or-later
#include "FloorCalls.h"

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace bench::floor
{

std::string readWhole(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    std::string bytes;
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return bytes;
}

void writeAtomically(const std::string& path, const std::string& bytes)
{
    // QSaveFile's steps on Linux: an unnamed file in the target's folder, written and
    // fdatasync'ed, linked in under a temporary name and renamed over the target.
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string temporary = path + ".floor";
    const int fd = ::open(folder.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0644);
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fdatasync(fd) != 0 ||
        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0 ||
        ::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot write " + path);
}

void writeTwoAtomically(const std::string& first, const std::string& firstBytes,
                        const std::string& second, const std::string& secondBytes)
{
    const auto create = [](const std::string& path, const std::string& bytes) {
        const std::string temporary = path + ".floor";
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("cannot write " + path);
        return fd;
    };
    const int firstFd = create(first, firstBytes);
    const int secondFd = create(second, secondBytes);
    int flushed = 0;
    std::thread flush([&] { flushed = ::fdatasync(secondFd); });
    const int firstFlushed = ::fdatasync(firstFd);
    flush.join();
    if (firstFlushed != 0 || flushed != 0 || ::close(firstFd) != 0 || ::close(secondFd) != 0 ||
        std::rename((first + ".floor").c_str(), first.c_str()) != 0 ||
        std::rename((second + ".floor").c_str(), second.c_str()) != 0)
        throw std::runtime_error("cannot write " + first + " and " + second);
}

void copyAtomically(const std::string& from, const std::string& to)
{
    writeAtomically(to, readWhole(from));
}

void writePlain(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::close(fd) != 0)
        throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> listNames(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir))
        names.emplace_back(entry->d_name);
    ::closedir(dir);
    return names;
}

} // namespace bench::floor
