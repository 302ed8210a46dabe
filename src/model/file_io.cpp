// File helpers shared by every subsystem that stores files.
#include "model/file_io.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <random>
#include <system_error>

namespace loxar {

namespace fs = std::filesystem;

namespace {

// Writes every byte.
bool write_all(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes every byte and forces them onto the disk: after a power cut a file holds what was
// written, never an empty or torn text.
bool write_all_synced(int fd, std::string_view bytes) {
    return write_all(fd, bytes) && ::fsync(fd) == 0;
}

// The rename itself is kept by the folder's entry, which has to reach the disk too.
void sync_folder(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool write_file_atomic(const fs::path& path, const Text& bytes) {
    AtomicFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

// What is written is gathered up to this size before it goes to the file: few system calls, and
// a buffer that stays in the cache.
constexpr std::size_t kWriteChunk = 256 * 1024;

AtomicFileWriter::AtomicFileWriter(const fs::path& path) : path_(path), tmp_(path) {
    static std::mt19937 rng{std::random_device{}()};
    tmp_ += ".tmp" + std::to_string(rng() % 1000000);
    fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    failed_ = fd_ < 0;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ < 0) return;
    ::close(fd_);
    std::error_code ec;
    fs::remove(tmp_, ec);
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (failed_) return;
    if (buffer_.size() + bytes.size() <= kWriteChunk) {
        buffer_ += bytes;
        return;
    }
    // A piece that does not fit goes out after what is gathered, without a copy.
    failed_ = !flush() || !write_all(fd_, bytes);
}

bool AtomicFileWriter::flush() {
    const bool written = write_all(fd_, buffer_);
    buffer_.clear();
    return written;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0) return false;
    const bool written = !failed_ && flush() && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    std::error_code ec;
    if (written && closed) fs::rename(tmp_, path_, ec);
    if (!written || !closed || ec) {
        fs::remove(tmp_, ec);
        return false;
    }
    sync_folder(path_.parent_path());
    return true;
}

bool append_file(const fs::path& path, const Text& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = write_all_synced(fd, bytes);
    return ::close(fd) == 0 && written;
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

std::vector<fs::path> matching_files(const fs::path& dir, std::string_view prefix, std::string_view suffix) {
    std::error_code ec;
    std::vector<fs::path> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string name = it->path().filename().string();
        if (name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
            name.ends_with(suffix)) {
            found.push_back(it->path());
        }
    }
    return found;
}

void remove_matching(const fs::path& dir, std::string_view prefix, std::string_view suffix) {
    for (const auto& p : matching_files(dir, prefix, suffix)) remove_file(p);
}

fs::path fs_path(const Text& cp1250_path) {
    return fs::path(cp1250_to_utf8(cp1250_path));
}

Text text_path(const fs::path& p) {
    return utf8_to_cp1250(p.string());
}

Text written_time_of_day(const std::filesystem::path& path) {
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(path, ec);
    if (ec) return {};
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    char out[16];
    std::strftime(out, sizeof out, "%H:%M:%S", &local);
    return out;
}

}  // namespace loxar
