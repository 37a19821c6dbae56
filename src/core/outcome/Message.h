// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// The title every message box carries unless it has one of its own.
inline constexpr char kApplicationTitle[] = "TarvelinSetupUtility";

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

// What a command asks the window to tell the player. The window shows it in a message box;
// the command line prints its text on standard error.
struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    QString title = QString::fromLatin1(kApplicationTitle);

    friend bool operator==(const Message&, const Message&) = default;
};

} // namespace tarvelin
