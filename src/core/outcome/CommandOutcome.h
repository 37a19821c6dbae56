// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tarvelin
{

// What every command hands back to the window or the command line that ran it. Commands add
// their own facts by deriving from it; the window decides which of its controls those affect.
struct CommandOutcome {
    bool done = false;             // did what was asked; false: refused or failed, see messages
    std::vector<Message> messages; // shown in this order
    QString detail; // why it failed, for the log and the command line; never shown in a window
    QStringList passedOver; // failed steps the command went on past: logged, never shown
};

// The icon of most refusals: the player can put it right and try again.
inline Message exclamation(QString text)
{
    return {std::move(text), MessageIcon::Exclamation};
}

// A command that stops with one message: nothing was done. `outcome` carries what the command
// had already found out before it stopped.
template <typename Outcome = CommandOutcome>
Outcome refused(Message message, const QString& detail = {}, Outcome outcome = {})
{
    outcome.done = false;
    outcome.messages.push_back(std::move(message));
    outcome.detail = detail;
    return outcome;
}

} // namespace tarvelin
