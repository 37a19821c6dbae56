// SPDX-License-Identifier: GPL-3.0-or-later
// The backup history of every store these tests change goes to a scratch folder.
#include "support/StateHome.h"

namespace
{

const bool kIsolated = !fixture::isolateStateHome().isEmpty();

} // namespace
