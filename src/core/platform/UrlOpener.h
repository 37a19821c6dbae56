// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// Opens a web or mail address in the player's own browser or mail program. The result is not
// examined: a link that cannot be opened reports nothing.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QString& address) = 0;
};

// Remembers the addresses instead of opening them, for tests and offscreen renders.
class RecordingUrlOpener final : public UrlOpener
{
public:
    void openUrl(const QString& address) override { opened.append(address); }
    QStringList opened;
};

} // namespace tarvelin
