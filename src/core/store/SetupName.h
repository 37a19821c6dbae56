// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace tarvelin
{

// The order of the Sort Store command. Names compare character by character by the Unicode code
// of the character each Windows-1252 byte stands for, not by dictionary rules: "B" before "a",
// "10 Laps" before "9 Laps", and a name before its longer continuation ("Oval" before "Oval 2").
// Negative, zero or positive as a comes before, equals or comes after b.
int compareSetupNames(QByteArrayView a, QByteArrayView b);

} // namespace tarvelin
