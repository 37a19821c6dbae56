// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual page and the bash, zsh and fish completions from the command table, at build
// time:
//   tarvelin-cli-docs VERSION DATE MANPAGE BASH ZSH FISH
#include "clidocs/BashCompletion.h"
#include "clidocs/FishCompletion.h"
#include "clidocs/ManPage.h"
#include "clidocs/ZshCompletion.h"

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
    if (argc != 7) {
        std::fprintf(stderr, "usage: tarvelin-cli-docs VERSION DATE MANPAGE BASH ZSH FISH\n");
        return 2;
    }
    const bool written = write(argv[3], tarvelin::cli::manPage(argv[1], argv[2])) &&
                         write(argv[4], tarvelin::cli::bashCompletion()) &&
                         write(argv[5], tarvelin::cli::zshCompletion()) &&
                         write(argv[6], tarvelin::cli::fishCompletion());
    return written ? 0 : 1;
}
