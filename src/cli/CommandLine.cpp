#include "cli/CommandLine.h"

#include <cstdio>

namespace tarvelin::cli
{

int main(int, char*[])
{
    std::fputs("tarvelin-setup-utility " TARVELIN_VERSION "\n", stdout);
    return 0;
}

} // namespace tarvelin::cli
