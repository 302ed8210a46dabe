// One program per home: the lock another running program holds, and the one a killed program left.
#include "model/home_lock.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <string>

#include "model/file_io.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

// Another program: a child process that takes the lock of `home` and keeps running until killed.
pid_t start_holder(const fs::path& home) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const HomeLockAttempt attempt = lock_home(home, "loxar");
        const char taken = attempt.lock.held() ? '1' : '0';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &taken, 1);
        for (;;) ::pause();
    }
    char taken = '0';
    [[maybe_unused]] const ssize_t n = ::read(ready[0], &taken, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(taken, '1');
    return pid;
}

void kill_9(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

Text lock_file_text(const fs::path& home) {
    return read_file(home / kHomeLockFile).value_or("");
}

TEST(HomeLock, RefusedWhileAnotherProgramRunsWithTheHome) {
    testing::TempHome home;
    const pid_t holder = start_holder(home.path());
    const HomeLockAttempt second = lock_home(home.path(), "loxar-cli");
    kill_9(holder);
    EXPECT_FALSE(second.lock.held());
    ASSERT_TRUE(second.holder.has_value());
    EXPECT_EQ(second.holder->pid, holder);
    EXPECT_EQ(second.holder->program, "loxar");
    const Text message = home_in_use_message(home.path(), *second.holder);
    EXPECT_NE(message.find(text_path(home.path())), Text::npos) << message;
    EXPECT_NE(message.find(std::to_string(holder)), Text::npos) << message;
}

TEST(HomeLock, HeldInThisProcessUntilReleased) {
    testing::TempHome home;
    HomeLockAttempt first = lock_home(home.path(), "loxar");
    ASSERT_TRUE(first.lock.held());
    EXPECT_EQ(lock_file_text(home.path()).find(std::to_string(::getpid()) + "\nloxar\n"), 0u);
    EXPECT_TRUE(lock_home(home.path(), "loxar").holder.has_value());
    first.lock = HomeLock();
    EXPECT_FALSE(fs::exists(home.path() / kHomeLockFile));
    EXPECT_TRUE(lock_home(home.path(), "loxar").lock.held());
}

TEST(HomeLock, LeftByAKilledProgramIsTakenOver) {
    struct Case {
        const char* what;
        bool written_by_hand;  // a lock file naming a process that no longer runs, no holder on it
    };
    for (const Case c : {Case{"killed holder", false}, Case{"dead process id", true}}) {
        testing::TempHome home;
        if (c.written_by_hand) {
            const pid_t gone = ::fork();
            if (gone == 0) ::_exit(0);
            ::waitpid(gone, nullptr, 0);
            fs::create_directories(home.path());
            std::ofstream(home.path() / kHomeLockFile) << gone << "\nloxar\n"
                                                       << "host\n";
        } else {
            kill_9(start_holder(home.path()));
        }
        ASSERT_TRUE(fs::exists(home.path() / kHomeLockFile)) << c.what;
        const HomeLockAttempt again = lock_home(home.path(), "loxar");
        EXPECT_TRUE(again.lock.held()) << c.what;
        EXPECT_FALSE(again.holder.has_value()) << c.what;
        EXPECT_EQ(lock_file_text(home.path()).find(std::to_string(::getpid()) + "\nloxar\n"), 0u) << c.what;
    }
}

}  // namespace
}  // namespace loxar
