// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target's kept inputs without libFuzzer, so that every input in its corpus stays a
// regression test of the normal build: each file named, or found under a folder named, on the
// command line goes once through LLVMFuzzerTestOneInput. A target that finds a fault aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace
{

bool replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << file << '\n';
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // Named first, so that the input of a fault is the last line before it.
    std::cout << file.string() << std::endl;
    // An empty input still gets a valid pointer, as libFuzzer gives it.
    const uint8_t none = 0;
    const auto* data = bytes.empty() ? &none : reinterpret_cast<const uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code error;
        if (fs::is_regular_file(path, error)) {
            if (!replay(path))
                return 1;
            ++replayed;
            continue;
        }
        if (!fs::is_directory(path, error)) {
            std::cerr << "no such input or folder: " << path << '\n';
            return 1;
        }
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(path))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            if (!replay(file))
                return 1;
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::cerr << "no inputs to replay\n";
        return 1;
    }
    std::cout << "replayed " << replayed << " inputs\n";
    return 0;
}
