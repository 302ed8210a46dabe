// loxar-cli init: prepares the home directory as the window's start does.
#include <iostream>

#include "cli/commands.hpp"

namespace loxar::cli {

int run_init(const Args& a) {
    if (a.help) {
        std::cout << "loxar-cli init [--home DIR]: a program könyvtárainak elkészítése\n";
        return kOk;
    }
    if (!a.positional.empty() || !a.options.empty()) return kUsage;
    const auto home = prepare_home(a, HomeUse::Write);
    if (!home) return kRefused;
    std::cout << home->paths.home.string() << "\n";
    return kOk;
}

}  // namespace loxar::cli
