// File helpers shared by every subsystem that stores files.
#include "core/file_io.hpp"

#include <fstream>
#include <random>
#include <system_error>

namespace loxar {

namespace fs = std::filesystem;

bool write_file_atomic(const fs::path& path, const Text& bytes) {
    static std::mt19937 rng{std::random_device{}()};
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(rng() % 1000000);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool append_file(const fs::path& path, const Text& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::optional<Text> read_file(const fs::path& path, std::uintmax_t max_bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    auto size = fs::file_size(path, ec);
    if (ec || size > max_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Text bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool LineCursor::next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t nl = rest_.find('\n');
    const std::size_t end = nl == std::string_view::npos ? rest_.size() : nl;
    line = rest_.substr(0, end > 0 && rest_[end - 1] == '\r' ? end - 1 : end);
    rest_.remove_prefix(nl == std::string_view::npos ? rest_.size() : nl + 1);
    return true;
}

std::vector<Text> split_lines(std::string_view bytes) {
    std::vector<Text> lines;
    LineCursor cursor(bytes);
    for (std::string_view line; cursor.next(line);) lines.emplace_back(line);
    return lines;
}

std::vector<Text> first_lines(std::string_view bytes, std::size_t count) {
    std::vector<Text> lines;
    LineCursor cursor(bytes);
    for (std::string_view line; lines.size() < count && cursor.next(line);) lines.emplace_back(line);
    return lines;
}

void remove_file(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

void remove_matching(const fs::path& dir, std::string_view prefix, std::string_view suffix) {
    std::error_code ec;
    std::vector<fs::path> doomed;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string name = it->path().filename().string();
        if (name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
            name.ends_with(suffix)) {
            doomed.push_back(it->path());
        }
    }
    for (const auto& p : doomed) remove_file(p);
}

fs::path fs_path(const Text& cp1250_path) { return fs::path(cp1250_to_utf8(cp1250_path)); }

Text text_path(const fs::path& p) { return utf8_to_cp1250(p.string()); }

}  // namespace loxar
