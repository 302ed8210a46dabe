// Home directory resolution and folder creation.
#include "model/paths.hpp"

#include <system_error>

#include "model/default_data.hpp"
#include "model/file_io.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

bool is_system_dir(const fs::path& dir) {
    const std::string d = dir.lexically_normal().string();
    for (const char* sys : {"/usr", "/bin", "/sbin", "/lib", "/opt", "/snap", "/nix"}) {
        if (d == sys || d.starts_with(std::string(sys) + "/")) return true;
    }
    return false;
}

bool writable_dir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    fs::path probe = dir / ".loxar_write_probe";
    if (!append_file(probe, "")) return false;
    remove_file(probe);
    return true;
}

// An install under a prefix of the operator's own (~/.local, /srv/ham) is writable too, but its
// bin/ is no place for logs: the operator's files go to the XDG home as with /usr.
bool is_installed(const fs::path& exe_dir) {
    std::error_code ec;
    return fs::is_directory(installed_data_dir(exe_dir), ec);
}

}  // namespace

fs::path resolve_home(const std::optional<std::string>& home_option,
                      const std::function<std::optional<std::string>(const char*)>& env,
                      const fs::path& executable_dir) {
    if (home_option && !home_option->empty()) return fs::absolute(*home_option);
    if (auto v = env("LOXAR_HOME"); v && !v->empty()) return fs::absolute(*v);
    if (!executable_dir.empty() && !is_system_dir(executable_dir) && !is_installed(executable_dir) &&
        writable_dir(executable_dir)) {
        return executable_dir;
    }
    if (auto xdg = env("XDG_DATA_HOME"); xdg && !xdg->empty()) return fs::path(*xdg) / "loxar";
    if (auto home = env("HOME"); home && !home->empty()) {
        return fs::path(*home) / ".local" / "share" / "loxar";
    }
    return fs::current_path() / "loxar";
}

Paths make_paths(const fs::path& home) {
    Paths p;
    p.home = home;
    p.data_dir = home / "ADATOK";
    p.system_dir = home / "SYSTEM";
    p.cw_dir = p.system_dir / "CW";
    p.ssb_dir = p.system_dir / "SSB";
    p.log_dir = home / "LOG";
    p.report_dir = home / "REPORT";
    p.rules_dir = home / "SZABALYOK";
    p.temp_dir = home / "TEMP";
    p.import_export_dir = home / "IMPORT_EXPORT";
    p.backup_dir = home / "BACKUP";
    return p;
}

Status prepare_folders(const Paths& p) {
    std::error_code ec;
    fs::create_directories(p.home, ec);
    if (!fs::is_directory(p.home, ec)) {
        return fail(hu(u8"Nem lehet létrehozni a program könyvtárát: ") + text_path(p.home));
    }
    for (const fs::path* dir : {&p.data_dir, &p.system_dir, &p.cw_dir, &p.ssb_dir, &p.log_dir, &p.report_dir,
                                &p.rules_dir, &p.temp_dir, &p.import_export_dir, &p.backup_dir}) {
        if (fs::is_directory(*dir, ec)) continue;
        fs::create_directory(*dir, ec);
        if (!fs::is_directory(*dir, ec)) {
            return fail(hu(u8"Nem lehet létrehozni a könyvtárat: ") + text_path(*dir));
        }
    }
    if (!writable_dir(p.system_dir)) {
        return fail(hu(u8"A program könyvtára nem írható: ") + text_path(p.home));
    }
    return {};
}

}  // namespace loxar
