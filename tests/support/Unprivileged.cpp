// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Unprivileged.h"

#include <QDirIterator>
#include <QFile>
#include <cstdio>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fixture
{

namespace
{

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool handOver(const QString& path)
{
    return ::lchown(QFile::encodeName(path).constData(), kNobody, kNoGroup) == 0;
}

// In the child: the folders become nobody's, then the process does. Exit codes: 0 the checks
// passed, 1 one failed, 2 the checks could not run as nobody on those folders.
[[noreturn]] void runAsNobody(const QStringList& folders, const std::function<void()>& checks)
{
    bool handed = true;
    for (const QString& folder : folders) {
        handed &= handOver(folder);
        QDirIterator below(folder,
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        while (below.hasNext())
            handed &= handOver(below.next());
    }
    if (!handed || ::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 ||
        ::setuid(kNobody) != 0 || ::setuid(0) == 0) {
        std::fprintf(stderr, "could not become the user nobody\n");
        std::fflush(stderr);
        ::_exit(2);
    }
    // A folder nobody cannot even reach (a temporary folder under root's home) would make every
    // write fail for another reason than the one checked.
    for (const QString& folder : folders) {
        if (::access(QFile::encodeName(folder).constData(), R_OK | W_OK | X_OK) != 0) {
            std::fprintf(stderr, "the user nobody cannot reach %s\n", qPrintable(folder));
            std::fflush(stderr);
            ::_exit(2);
        }
    }
    checks();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
}

} // namespace

void runUnprivileged(const QStringList& folders, const std::function<void()>& checks)
{
    if (::geteuid() != 0) {
        checks();
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << "fork failed";
    if (child == 0)
        runAsNobody(folders, checks);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the unprivileged checks ended by signal";
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << (WEXITSTATUS(status) == 2 ? "the checks could not run as nobody"
                                     : "a check failed as nobody (its message is above)");
}

} // namespace fixture
