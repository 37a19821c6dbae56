// Writes the manual page and the bash completion from the command table, at build time:
//   tarvelin-cli-docs VERSION DATE MANPAGE COMPLETION
#include "clidocs/BashCompletion.h"
#include "clidocs/ManPage.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

bool write(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "tarvelin-cli-docs: cannot write %s\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: tarvelin-cli-docs VERSION DATE MANPAGE COMPLETION\n");
        return 2;
    }
    const bool written = write(argv[3], tarvelin::cli::manPage(argv[1], argv[2])) &&
                         write(argv[4], tarvelin::cli::bashCompletion());
    return written ? 0 : 1;
}
