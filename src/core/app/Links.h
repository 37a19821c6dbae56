// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvelin::links
{

// Every web and mail address the utility opens. Change them here and nowhere else.

// The utility's own home page (game window: Help > Home Page).
inline constexpr char HomePage[] = "https://tarvelin.example.org/setup-utility/";
// Where players trade setups (the download button and the Sprint Cars car picture).
inline constexpr char SetupDownloadPage[] = "https://tarvelin.example.org/setups/";
// The game maker's site; the game window shows this address as the caption of Label1.
inline constexpr char GameMakerSite[] = "http://www.ratbag.com";
// The authors' mail address (about window and start window).
inline constexpr char MailAddress[] = "mailto:setups@tarvelin.example.org";

} // namespace tarvelin::links
