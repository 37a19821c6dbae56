// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"

#include <QString>

namespace tarvelin
{

class Registry;
class ProgramStarter;

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";
inline constexpr char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSysInfoPathValue[] = "PATH";
inline constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsSysInfoValue[] = "MSINFO";
inline constexpr char kSysInfoProgram[] = "MSINFO32.EXE";

// One value under HKEY_LOCAL_MACHINE as text. A missing key or value (or one of a type the
// registry file does not hold as text or number) empties `text` and answers false; a text value
// becomes `text`; a number becomes its decimal text.
bool GetKeyValue(const Registry& registry, const QString& keyPath, const QString& valueName,
                 QString& text);

// Starts the system information tool named in the registry: the "PATH" of the MSINFO key, else
// MSINFO32.EXE in the shared tools folder. Done when one starts; else the one message to show.
CommandOutcome StartSysInfo(const Registry& registry, ProgramStarter& starter);

} // namespace tarvelin
