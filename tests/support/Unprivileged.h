// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

namespace fixture
{

// Runs `checks` as a user without root's power to write into any folder whatever its mode: in
// the test's own process when the test is not root, else in a child process that hands
// `folders` (with all below them) to the user "nobody" and then becomes that user, keeping no
// group of root's. A failed check in the child fails the test; so does a child that cannot drop
// root's rights, since the checks would then prove nothing.
void runUnprivileged(const QStringList& folders, const std::function<void()>& checks);

} // namespace fixture
