// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarvelin::cli
{

// The manual page, tarvelin-setup-utility(1), in man(7) markup: every command of the command
// table with its usage, summary, arguments and own options, then every option and which commands
// take it. `date` is the release's, for the page's footer.
std::string manPage(std::string_view version, std::string_view date);

} // namespace tarvelin::cli
