// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/registry/WinePath.h"

#include <QStringList>

namespace tarvelin
{

class WineRegistry;

// The keys of a prefix's system.reg that its environment is made of: read together with the
// game's key, so that the file is read once.
QStringList wineEnvironmentKeys();

// The environment a 32-bit program of the prefix sees: the system's variables, the folders
// Wine names (%ProgramFiles% and its kin, %SystemRoot%, %windir%, %SystemDrive%) and the user's
// variables from user.reg, which is read only now. `system` holds wineEnvironmentKeys().
WineEnvironment wineEnvironment(const WineRegistry& system, const QString& winePrefix);

// A REG_EXPAND_SZ value as the program reads it: each variable expanded, also those a
// variable's own value holds.
QString expandWineValue(const QString& text, const WineEnvironment& environment);

} // namespace tarvelin
