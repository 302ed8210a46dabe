// The lock is a file in the home holding "PID\nPROGRAM\nHOST\n", the form Qt's QLockFile writes,
// and like QLockFile its holder keeps an flock on it. Whether the holder still runs is asked of
// that flock rather than of the process id: the kernel drops it however the process ends (kill -9,
// a power cut), so a lock left by a killed program is free at once, and a process id that a
// reboot gave to another program never keeps a home locked. Only where the file system has no
// flock does the process id in the file decide, as it does for QLockFile. Plain POSIX, so the
// window and loxar-cli (which has no Qt) take the very same lock.
#include "model/home_lock.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>

#include "model/file_io.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

struct LockText {
    HomeHolder holder;
    std::string host;
};

std::string host_name() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

LockText read_lock_text(int fd) {
    char bytes[512];
    const ssize_t n = ::pread(fd, bytes, sizeof bytes, 0);
    LockText l;
    if (n <= 0) return l;
    std::string_view rest(bytes, static_cast<std::size_t>(n));
    auto next_line = [&rest] {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return line;
    };
    const std::string_view pid = next_line();
    std::from_chars(pid.data(), pid.data() + pid.size(), l.holder.pid);
    l.holder.program = Text(next_line());
    l.host = std::string(next_line());
    return l;
}

// Without flock: the process named in the file, when it runs on this machine.
bool runs_here(const LockText& l) {
    if (l.holder.pid <= 0 || l.host != host_name()) return false;
    return ::kill(static_cast<pid_t>(l.holder.pid), 0) == 0 || errno == EPERM;
}

bool same_file(int fd, const fs::path& file) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::stat(file.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

HomeLock::HomeLock(HomeLock&& other) noexcept : fd_(other.fd_), file_(std::move(other.file_)) {
    other.fd_ = -1;
}

HomeLock& HomeLock::operator=(HomeLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = other.fd_;
        file_ = std::move(other.file_);
        other.fd_ = -1;
    }
    return *this;
}

HomeLock::~HomeLock() {
    release();
}

void HomeLock::release() {
    if (fd_ < 0) return;
    // Removed while still locked: a process that opened it meanwhile finds it gone once it gets
    // the flock, and locks a new file instead.
    ::unlink(file_.c_str());
    ::close(fd_);
    fd_ = -1;
}

HomeLockAttempt lock_home(const fs::path& home, std::string_view program) {
    std::error_code ec;
    fs::create_directories(home, ec);
    const fs::path file = home / kHomeLockFile;
    // Another try only when the holder removed the file between our open and our flock.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return {};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            const LockText l = read_lock_text(fd);
            if (held || runs_here(l)) {
                ::close(fd);
                return {HomeLock(), l.holder};
            }
        }
        if (!same_file(fd, file)) {
            ::close(fd);
            continue;
        }
        const std::string text =
            std::to_string(::getpid()) + "\n" + std::string(program) + "\n" + host_name() + "\n";
        if (::ftruncate(fd, 0) != 0 ||
            ::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
            ::close(fd);
            return {};
        }
        return {HomeLock(fd, file), std::nullopt};
    }
    return {};
}

Text home_in_use_message(const fs::path& home, const HomeHolder& holder) {
    Text m = hu(u8"A Loxar már fut ezzel a mappával: ") + text_path(home);
    if (holder.pid > 0) {
        m += hu(u8" (folyamat: ") + std::to_string(holder.pid);
        if (!holder.program.empty()) m += ", " + one_line(holder.program);
        m += ")";
    }
    return m + hu(u8". Egy mappával egyszerre csak egy Loxar dolgozhat.");
}

}  // namespace loxar
