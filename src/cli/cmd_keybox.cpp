// loxar-cli keybox: a virtual keying box on a pseudo-terminal, for trying the serial link
// (loxar --keyer-port PATH) without the hardware.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iostream>
#include <optional>
#include <string>

#include "cli/commands.hpp"
#include "keybox/virtual_keybox.hpp"

namespace loxar::cli {

namespace {

const char* const kKeyboxHelp =
    "loxar-cli keybox [--link ÚTVONAL] [--silent] [--slow MS] [--garbage] [--no-eprom] [--verbose]\n"
    "\n"
    "Virtuális billentyűző egy pszeudoterminálon: úgy válaszol a program soros parancsaira,\n"
    "ahogy a valódi doboz. Az első kiírt sor a terminál útvonala (például /dev/pts/5); a\n"
    "program ezzel indítható: loxar --keyer-port /dev/pts/5. Ctrl+C, SIGTERM vagy a\n"
    "szabványos bemenet vége (Ctrl+D) állítja le.\n"
    "\n"
    "  \"?\" állapotsor (\"w...\"), beállítássor (\"w30o1x1m1k1r1d9b0u1R5a704\") és \"a\" erősítés,\n"
    "  \"s<szöveg>\" CW üzenet: a hátralévő karakterszám a sebességgel fogy (W WPM mellett\n"
    "  12000/W ms karakterenként), \"W1\"..\"W4\", \"WI\", \"R0\"..\"R4\" EPROM, \"ID\" azonosító.\n"
    "\n"
    "  --link ÚTVONAL  szimbolikus link a terminálra (kilépéskor törlődik)\n"
    "  --silent        soha nem válaszol\n"
    "  --slow MS       minden válasz MS ezredmásodperccel késik\n"
    "  --garbage       zajos vonal: \"-\", LF és idegen sorok a válaszok között\n"
    "  --no-eprom      nincs EPROM: a W és R parancsokra nem válaszol\n"
    "  --verbose       a vett és küldött bájtok olvasható alakban a hibakimeneten\n";

volatile std::sig_atomic_t g_stop = 0;

void on_stop_signal(int) {
    g_stop = 1;
}

// Bytes as a log line shows them: CR, LF and other control or 8-bit bytes by name.
std::string printable(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "<CR>";
        } else if (c == '\n') {
            out += "<LF>";
        } else if (b < 0x20 || b >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", static_cast<unsigned>(b));
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string system_error() {
    return std::strerror(errno);
}

// The master side of a new pseudo-terminal and its slave's path; the slave is set raw (no echo:
// the box's own answers must not come back to it as commands).
struct Pty {
    int master = -1;
    int slave = -1;  // held open, so that the master never reads EIO while the program has its side closed
    std::string path;
};

bool open_pty(Pty& p) {
    p.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (p.master < 0 || grantpt(p.master) != 0 || unlockpt(p.master) != 0) return false;
    const char* name = ptsname(p.master);
    if (!name) return false;
    p.path = name;
    p.slave = ::open(name, O_RDWR | O_NOCTTY);
    if (p.slave < 0) return false;
    termios t{};
    if (tcgetattr(p.slave, &t) != 0) return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    if (tcsetattr(p.slave, TCSANOW, &t) != 0) return false;
    return fcntl(p.master, F_SETFL, fcntl(p.master, F_GETFL) | O_NONBLOCK) == 0;
}

// Standard input ends the box only when it can end: a pipe, a socket or a terminal; /dev/null
// or a file would stop a box started in the background at once.
bool stdin_can_end() {
    struct stat st {};
    if (fstat(STDIN_FILENO, &st) != 0) return false;
    return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || isatty(STDIN_FILENO);
}

struct Pending {
    long long due_ms;
    std::string bytes;
};

}  // namespace

int run_keybox(const Args& a) {
    if (a.help) {
        std::cout << kKeyboxHelp;
        return kOk;
    }
    if (!a.positional.empty() ||
        !only_options(a, {"--link", "--silent", "--slow", "--garbage", "--no-eprom", "--verbose"})) {
        return kUsage;
    }
    long long slow_ms = 0;
    if (auto s = option(a, "--slow")) {
        char* end = nullptr;
        slow_ms = std::strtoll(s->c_str(), &end, 10);
        if (s->empty() || *end != '\0' || slow_ms < 0 || slow_ms > 600000) {
            error(hu(u8"A --slow értéke 0 és 600000 közötti egész szám (ezredmásodperc) legyen."));
            return kUsage;
        }
    }
    const bool verbose = has_switch(a, "--verbose");
    KeyboxOptions options;
    options.silent = has_switch(a, "--silent");
    options.no_eprom = has_switch(a, "--no-eprom");
    options.garbage = has_switch(a, "--garbage");
    options.seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    VirtualKeybox box(options);

    Pty pty;
    if (!open_pty(pty)) {
        error(hu(u8"Nem sikerült pszeudoterminált nyitni: ") + system_error());
        return kRefused;
    }
    const std::optional<std::string> link = option(a, "--link");
    if (link) {
        struct stat st {};
        if (lstat(link->c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                error(hu(u8"Már létezik, és nem szimbolikus link: ") + *link);
                return kRefused;
            }
            ::unlink(link->c_str());
        }
        if (::symlink(pty.path.c_str(), link->c_str()) != 0) {
            error(hu(u8"Nem sikerült a linket létrehozni: ") + *link + ": " + system_error());
            return kRefused;
        }
    }
    std::cout << pty.path << std::endl;

    struct sigaction sa {};
    sa.sa_handler = on_stop_signal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const bool watch_stdin = stdin_can_end();
    const auto start = std::chrono::steady_clock::now();
    auto now_ms = [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    std::deque<Pending> pending;
    char buf[512];
    while (!g_stop) {
        int timeout = 50;
        if (!pending.empty()) {
            timeout = static_cast<int>(std::clamp(pending.front().due_ms - now_ms(), 0LL, 50LL));
        }
        pollfd fds[2] = {{pty.master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int ready = ::poll(fds, watch_stdin ? 2 : 1, timeout);
        if (ready < 0 && errno != EINTR) break;
        if (g_stop) break;
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            const ssize_t n = ::read(pty.master, buf, sizeof buf);
            if (n > 0) {
                const std::string_view got(buf, static_cast<std::size_t>(n));
                if (verbose) error(hu(u8"Vett: ") + printable(got));
                std::string reply = box.receive(got, now_ms());
                if (!reply.empty()) pending.push_back({now_ms() + slow_ms, std::move(reply)});
            }
        } else if (ready > 0 && (fds[0].revents & (POLLHUP | POLLERR))) {
            ::usleep(50000);  // no reader on the slave side for a moment: do not spin
        }
        if (watch_stdin && ready > 0 && (fds[1].revents & (POLLIN | POLLHUP))) {
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) break;
        }
        while (!pending.empty() && pending.front().due_ms <= now_ms()) {
            const std::string& out = pending.front().bytes;
            // Nobody reading the slave fills its queue; what does not fit is lost, as on a wire.
            const ssize_t n = ::write(pty.master, out.data(), out.size());
            if (verbose) {
                error(hu(u8"Küldött: ") + printable(out) +
                      (n < static_cast<ssize_t>(out.size()) ? hu(u8" (nem fért el)") : std::string()));
            }
            pending.pop_front();
        }
    }
    if (link) ::unlink(link->c_str());
    ::close(pty.slave);
    ::close(pty.master);
    return kOk;
}

}  // namespace loxar::cli
