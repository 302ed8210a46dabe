// Whole-file reads and atomic writes: a crash never leaves half a file behind.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// Writes `bytes` to a temporary file beside `path` and renames it over `path`.
bool write_file_atomic(const std::filesystem::path& path, const Text& bytes);
// Appends `bytes` in one write (backup records).
bool append_file(const std::filesystem::path& path, const Text& bytes);
// The whole file; nothing when it cannot be read or is larger than `max_bytes`.
std::optional<Text> read_file(const std::filesystem::path& path,
                              std::uintmax_t max_bytes = 256u * 1024 * 1024);
// Lines without their CR LF (a lone LF ends a line too).
std::vector<Text> split_lines(const Text& bytes);
// Deletes the file when it exists; errors are ignored (nothing to delete is no failure).
void remove_file(const std::filesystem::path& path);
// The regular files in `dir` whose names start with `prefix` and end with `suffix`.
std::vector<std::filesystem::path> matching_files(const std::filesystem::path& dir, std::string_view prefix,
                                                  std::string_view suffix);
// Deletes every regular file in `dir` whose name starts with `prefix` and ends with `suffix`.
void remove_matching(const std::filesystem::path& dir, std::string_view prefix, std::string_view suffix);
// A cp1250 file name or path as the file system wants it (UTF-8 on Linux).
std::filesystem::path fs_path(const Text& cp1250_path);
Text text_path(const std::filesystem::path& p);

}  // namespace loxar
