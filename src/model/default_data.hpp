// Default data files shipped with the program, copied into SYSTEM when missing.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "model/paths.hpp"

namespace loxar {

// Where the shipped data folder may be, in order: <exe dir>/data (a portable copy),
// <exe dir>/../share/loxar (installed under a prefix), <exe dir>/../data (a build folder inside the
// source tree), then `built_from` (the source tree's data/, when the build names one).
std::vector<std::filesystem::path> data_dir_candidates(const std::filesystem::path& executable_dir,
                                                       const std::filesystem::path& built_from);
// The first of those candidates that is a folder; nothing when none is.
std::optional<std::filesystem::path> find_data_dir(const std::filesystem::path& executable_dir,
                                                   const std::filesystem::path& built_from);
// The same for the running program.
std::optional<std::filesystem::path> find_data_dir();

// The shipped data folder of a program installed as <prefix>/bin/<exe>, seen from <prefix>/bin.
std::filesystem::path installed_data_dir(const std::filesystem::path& executable_dir);

// Copies every file of `data_dir` into SYSTEM that SYSTEM does not have yet; files already
// there are the operator's and are never touched. README files describe the folder and stay.
void install_default_data(const Paths& paths, const std::filesystem::path& data_dir);
// The same from the data folder next to the running program; nothing happens without one.
void install_default_data(const Paths& paths);

}  // namespace loxar
