// Shared pieces of the loxar-cli commands: arguments, exit codes, the home, messages.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/home_lock.hpp"
#include "session/session.hpp"

namespace loxar::cli {

inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

struct Args {
    std::string command;
    std::optional<std::string> home;
    bool help = false;
    bool version = false;
    std::vector<std::string> options;     // "--name" or "--name=value" options besides --home
    std::vector<std::string> positional;  // words after the command
};

// Parses argv; options that take a value are listed in `valued` ("--multiplier", "-o" ...),
// switches without a value in `switches` ("--recount").
std::optional<Args> parse(int argc, char** argv, const std::vector<std::string>& valued,
                          const std::vector<std::string>& switches = {});
// The value of a valued option, when given.
std::optional<std::string> option(const Args& a, const std::string& name);
// Whether a switch was given.
bool has_switch(const Args& a, const std::string& name);
// Whether every option given is one of `names` (a switch, or a valued option with its value).
bool only_options(const Args& a, std::initializer_list<std::string_view> names);

// Hungarian message on standard error (cp1250 text, printed as UTF-8).
void error(const Text& cp1250_message);
// cp1250 text printed to standard output as UTF-8.
void print(const Text& cp1250_text);

// The command's result on standard output, or written whole (atomically) to the -o file;
// kOk, or kRefused after a message when it could not be written.
int write_result(const Args& a, const Text& bytes);

// The same home the window would use, prepared as its start does; nothing after a message.
// A command that writes into the home (init, or its -o file inside the home) holds the home's lock
// for its run and is refused while the window or another command holds it. One that only reads
// the home is never refused: it prepares the home only while no one holds it (a holder has).
enum class HomeUse { Read, Write };
struct PreparedHome {
    Paths paths;
    HomeLock lock;  // held by a command that writes into the home
};
std::optional<PreparedHome> prepare_home(const Args& a, HomeUse use = HomeUse::Read);

}  // namespace loxar::cli
