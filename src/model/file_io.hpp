// Whole-file reads and atomic writes: a crash never leaves half a file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// The largest outside file any reader takes in whole (logs, backups, databases, tables); a
// bigger one is refused unread. Readers bound what they keep by records as well, so that a file
// of this size costs at most a small multiple of it in memory.
inline constexpr std::uintmax_t kMaxInputFileBytes = 64u * 1024 * 1024;
// The bound of files that hold a few dozen short lines (own data, data sheets, rule and results
// files, the oblast table).
inline constexpr std::uintmax_t kMaxSmallFileBytes = 1024 * 1024;

// Writes `bytes` to a temporary file beside `path` and renames it over `path`.
[[nodiscard]] bool write_file_atomic(const std::filesystem::path& path, const Text& bytes);

// The same for a text made piece by piece, which then never has to be held whole: the pieces
// go to the temporary file as they come, commit() renames it over `path`. A writer dropped
// without commit() removes its temporary and leaves `path` as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::filesystem::path& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // True when every byte reached the disk and the file took the place of `path`.
    bool commit();

private:
    bool flush();

    std::filesystem::path path_, tmp_;
    int fd_ = -1;
    bool failed_ = false;
    Text buffer_;
};
// Appends `bytes` in one write (backup records).
[[nodiscard]] bool append_file(const std::filesystem::path& path, const Text& bytes);
// The whole file; nothing when it cannot be read or is larger than `max_bytes`.
std::optional<Text> read_file(const std::filesystem::path& path,
                              std::uintmax_t max_bytes = kMaxInputFileBytes);
// Lines without their CR LF (a lone LF ends a line too).
std::vector<Text> split_lines(std::string_view bytes);
// The first `count` lines as split_lines cuts them (fewer when the text has fewer).
std::vector<Text> first_lines(std::string_view bytes, std::size_t count);

// The lines of a text one at a time, as split_lines cuts them: a reader that keeps only some
// of them never holds one string per line of a huge file.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : rest_(bytes) {}
    // The next line without its CR LF (a view into the text); false when the text is used up.
    bool next(std::string_view& line);

private:
    std::string_view rest_;
};
// Deletes the file when it exists; errors are ignored (nothing to delete is no failure).
void remove_file(const std::filesystem::path& path);
// "hh:mm:ss" of the local time the file was last written; empty when it cannot be read.
Text written_time_of_day(const std::filesystem::path& path);
// The regular files in `dir` whose names start with `prefix` and end with `suffix`.
std::vector<std::filesystem::path> matching_files(const std::filesystem::path& dir, std::string_view prefix,
                                                  std::string_view suffix);
// Deletes every regular file in `dir` whose name starts with `prefix` and ends with `suffix`.
void remove_matching(const std::filesystem::path& dir, std::string_view prefix, std::string_view suffix);
// A cp1250 file name or path as the file system wants it (UTF-8 on Linux).
std::filesystem::path fs_path(const Text& cp1250_path);
Text text_path(const std::filesystem::path& p);

}  // namespace loxar
