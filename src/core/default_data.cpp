// Finding the shipped data folder and copying its files into SYSTEM.
#include "core/default_data.hpp"

#include <system_error>

#include "core/file_io.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

fs::path executable_dir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path{} : exe.parent_path();
}

}  // namespace

std::vector<fs::path> data_dir_candidates(const fs::path& exe_dir) {
    std::vector<fs::path> dirs;
    if (!exe_dir.empty()) {
        dirs.push_back(exe_dir / "data");
        dirs.push_back((exe_dir / ".." / "data").lexically_normal());
        dirs.push_back((exe_dir / ".." / "share" / "loxar" / "data").lexically_normal());  // installed
    }
#ifdef LOXAR_DATA_DIR
    dirs.emplace_back(LOXAR_DATA_DIR);
#endif
    return dirs;
}

std::optional<fs::path> find_data_dir() {
    for (const fs::path& dir : data_dir_candidates(executable_dir())) {
        std::error_code ec;
        if (fs::is_directory(dir, ec)) return dir;
    }
    return std::nullopt;
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
        if (auto bytes = read_file(it->path())) write_file_atomic(target, *bytes);
    }
}

void install_default_data(const Paths& paths) {
    if (auto dir = find_data_dir()) install_default_data(paths, *dir);
}

}  // namespace loxar
