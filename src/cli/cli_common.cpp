// Argument parsing, home preparation and output of loxar-cli.
#include "cli/cli_common.hpp"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "model/default_data.hpp"
#include "model/file_io.hpp"
#include "model/paths.hpp"
#include "rules/rule_files.hpp"

namespace loxar::cli {

std::optional<Args> parse(int argc, char** argv, const std::vector<std::string>& valued,
                          const std::vector<std::string>& switches) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--version") {
            a.version = true;
        } else if (arg == "--home") {
            if (i + 1 >= argc) return std::nullopt;
            a.home = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            bool takes_value = false, is_switch = false;
            for (const auto& v : valued) takes_value = takes_value || v == arg;
            for (const auto& v : switches) is_switch = is_switch || v == arg;
            if (is_switch) {
                a.options.push_back(arg);
                continue;
            }
            if (!takes_value) return std::nullopt;
            if (i + 1 >= argc) return std::nullopt;
            a.options.push_back(arg + "=" + argv[++i]);
        } else if (a.command.empty()) {
            a.command = arg;
        } else {
            a.positional.push_back(arg);
        }
    }
    return a;
}

std::optional<std::string> option(const Args& a, const std::string& name) {
    for (const auto& o : a.options) {
        if (o.starts_with(name + "=")) return o.substr(name.size() + 1);
    }
    return std::nullopt;
}

bool has_switch(const Args& a, const std::string& name) {
    for (const auto& o : a.options) {
        if (o == name) return true;
    }
    return false;
}

bool only_options(const Args& a, std::initializer_list<std::string_view> names) {
    for (const auto& o : a.options) {
        const std::string_view name = std::string_view(o).substr(0, o.find('='));
        if (std::find(names.begin(), names.end(), name) == names.end()) return false;
    }
    return true;
}

void error(const Text& cp1250_message) {
    std::cerr << cp1250_to_utf8(cp1250_message) << "\n";
}

void print(const Text& cp1250_text) {
    std::cout << cp1250_to_utf8(cp1250_text);
}

int write_result(const Args& a, const Text& bytes) {
    const std::optional<std::string> out = option(a, "-o");
    if (!out) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        return std::cout ? kOk : kRefused;
    }
    if (write_file_atomic(std::filesystem::path(*out), bytes)) return kOk;
    error(hu(u8"Nem sikerült menteni: ") + text_path(*out));
    return kRefused;
}

namespace {

bool inside(const std::filesystem::path& file, const std::filesystem::path& dir) {
    std::error_code ec;
    const std::filesystem::path f =
        std::filesystem::weakly_canonical(std::filesystem::absolute(file, ec), ec);
    const std::filesystem::path d = std::filesystem::weakly_canonical(std::filesystem::absolute(dir, ec), ec);
    const std::filesystem::path relative = f.lexically_relative(d);
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

// The CLI has no folder of its own to fall back on, so the executable's folder is not tried.
std::optional<PreparedHome> prepare_home(const Args& a, HomeUse use) {
    auto env = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    PreparedHome home{make_paths(resolve_home(a.home, env, {})), {}};
    const std::optional<std::string> out = option(a, "-o");
    const bool writes = use == HomeUse::Write || (out && inside(*out, home.paths.home));
    HomeLockAttempt attempt = lock_home(home.paths.home, "loxar-cli");
    if (attempt.holder) {
        if (!writes) return home;
        error(home_in_use_message(home.paths.home, *attempt.holder));
        return std::nullopt;
    }
    if (Status folders = prepare_folders(home.paths); !folders) {
        error(folders.message());
        return std::nullopt;
    }
    szabaly_fileok_letrehozasa(home.paths);
    install_default_data(home.paths);
    if (writes) home.lock = std::move(attempt.lock);
    return home;
}

}  // namespace loxar::cli
