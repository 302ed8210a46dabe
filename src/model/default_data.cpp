// Finding the shipped data folder and copying its files into SYSTEM.
#include "model/default_data.hpp"

#include <system_error>

#include "model/file_io.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

fs::path executable_dir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path{} : exe.parent_path();
}

}  // namespace

fs::path installed_data_dir(const fs::path& exe_dir) {
    return (exe_dir / ".." / "share" / "loxar").lexically_normal();
}

std::vector<fs::path> data_dir_candidates(const fs::path& exe_dir, const fs::path& built_from) {
    std::vector<fs::path> dirs;
    if (!exe_dir.empty()) {
        dirs.push_back(exe_dir / "data");
        dirs.push_back(installed_data_dir(exe_dir));
        dirs.push_back((exe_dir / ".." / "data").lexically_normal());
    }
    if (!built_from.empty()) dirs.push_back(built_from);
    return dirs;
}

std::optional<fs::path> find_data_dir(const fs::path& exe_dir, const fs::path& built_from) {
    for (const fs::path& dir : data_dir_candidates(exe_dir, built_from)) {
        std::error_code ec;
        if (fs::is_directory(dir, ec)) return dir;
    }
    return std::nullopt;
}

std::optional<fs::path> find_data_dir() {
#ifdef LOXAR_DATA_DIR
    const fs::path built_from = LOXAR_DATA_DIR;
#else
    const fs::path built_from;  // a packaged build names no source tree
#endif
    return find_data_dir(executable_dir(), built_from);
}

void install_default_data(const Paths& paths, const fs::path& data_dir) {
    std::error_code ec;
    for (fs::directory_iterator it(data_dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec)) continue;
        const std::string name = it->path().filename().string();
        if (name.starts_with(".") || name.starts_with("README")) continue;
        const fs::path target = paths.system_dir / it->path().filename();
        if (fs::exists(target, fec)) continue;
        // A default that cannot be copied leaves the file missing, which its reader reports.
        if (auto bytes = read_file(it->path())) (void)write_file_atomic(target, *bytes);
    }
}

void install_default_data(const Paths& paths) {
    if (auto dir = find_data_dir()) install_default_data(paths, *dir);
}

}  // namespace loxar
