// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/UrlOpener.h"

namespace tarvelin
{

// The desktop's handler for the address (xdg-open and friends, through QDesktopServices).
class DesktopUrlOpener final : public UrlOpener
{
public:
    void openUrl(const QString& address) override;
};

} // namespace tarvelin
