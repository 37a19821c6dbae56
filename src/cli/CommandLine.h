#pragma once

namespace tarvelin::cli
{

// Runs a subcommand and returns its exit code: 0 success, 1 refused or failed, 2 wrong usage.
int main(int argc, char* argv[]);

} // namespace tarvelin::cli
