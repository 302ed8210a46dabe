// The home directory and the folders below it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "text/result.hpp"
#include "text/text.hpp"

namespace loxar {

// The folders below the home directory.
struct Paths {
    std::filesystem::path home;
    std::filesystem::path data_dir, log_dir, report_dir, system_dir, temp_dir, import_export_dir, rules_dir,
        cw_dir, ssb_dir, backup_dir;

    std::filesystem::path tmp_log() const { return system_dir / "tmp_log.dat"; }
};

// Where the program keeps its folders: --home, then LOXAR_HOME, then the executable's folder
// when it is writable, not a system folder and not an installed bin/ (with ../share/loxar beside
// it), then $XDG_DATA_HOME/loxar (~/.local/share/loxar).
std::filesystem::path resolve_home(const std::optional<std::string>& home_option,
                                   const std::function<std::optional<std::string>(const char*)>& env,
                                   const std::filesystem::path& executable_dir);

// The folder paths below `home`.
Paths make_paths(const std::filesystem::path& home);

// Creates every missing folder and checks that the home can be written.
// Fails with the Hungarian message for the operator when it cannot.
Status prepare_folders(const Paths& p);

}  // namespace loxar
