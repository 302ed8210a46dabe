// One program per home: the window and the loxar-cli commands that write into a home hold its
// lock file while they run, so two of them never write the same log files.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "text/text.hpp"

namespace loxar {

inline constexpr const char* kHomeLockFile = "loxar.lock";

struct HomeLockAttempt;

// The lock of one home, held until it is destroyed; an empty one holds nothing.
class HomeLock {
public:
    HomeLock() = default;
    HomeLock(HomeLock&& other) noexcept;
    HomeLock& operator=(HomeLock&& other) noexcept;
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;
    ~HomeLock();

    bool held() const { return fd_ >= 0; }

private:
    friend HomeLockAttempt lock_home(const std::filesystem::path& home, std::string_view program);
    HomeLock(int fd, std::filesystem::path file) : fd_(fd), file_(std::move(file)) {}
    void release();

    int fd_ = -1;
    std::filesystem::path file_;
};

// The process that holds a home.
struct HomeHolder {
    long pid = 0;  // 0 when its lock file does not say yet
    Text program;
};

struct HomeLockAttempt {
    HomeLock lock;                     // held when the home was free
    std::optional<HomeHolder> holder;  // set when another running program holds it
};

// Locks `home` (made when missing) for `program`. Neither a lock nor a holder when the home cannot
// hold a lock file at all: the folder check of the start says why.
HomeLockAttempt lock_home(const std::filesystem::path& home, std::string_view program);

// What the operator is told when another program holds the home.
Text home_in_use_message(const std::filesystem::path& home, const HomeHolder& holder);

}  // namespace loxar
