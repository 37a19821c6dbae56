#include "cli/CommandLine.h"

int main(int argc, char* argv[])
{
    return tarvelin::cli::main(argc, argv);
}
