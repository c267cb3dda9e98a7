#pragma once

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <functional>
#include <string>

// Runs `check` where access rights bind: in this process for an ordinary user; for the
// superuser, whom no file mode stops, in a child process that has given up its privileges for
// those of the unprivileged user "nobody" (uid and gid 65534). `check` makes whatever files it
// needs under its own temporary directory and returns what went wrong, "" for nothing; the
// answer of the child comes back through a pipe and fails the test here.
inline void ExpectAsOrdinaryUser(const std::function<std::string()>& check) {
    if (::geteuid() != 0) {
        const std::string failure = check();
        EXPECT_EQ(failure, "");
        return;
    }
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ends[0]);
        constexpr uid_t kNobody = 65534;
        std::string failure;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            failure = "could not give up the superuser's rights";
        } else {
            failure = check();
        }
        const ssize_t written = ::write(ends[1], failure.data(), failure.size());
        ::_exit(written == static_cast<ssize_t>(failure.size()) ? 0 : 1);
    }
    ::close(ends[1]);
    std::string failure;
    std::array<char, 4096> buffer;
    ssize_t count = 0;
    while ((count = ::read(ends[0], buffer.data(), buffer.size())) > 0) {
        failure.append(buffer.data(), static_cast<std::size_t>(count));
    }
    ::close(ends[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the checking process failed";
    EXPECT_EQ(failure, "");
}
