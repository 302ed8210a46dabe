// Default data files shipped with the program, copied into SYSTEM when missing.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/session.hpp"

namespace loxar {

// Where the shipped data folder may be, in order: <exe dir>/data, <exe dir>/../data,
// <exe dir>/../share/loxar/data, and the source tree's data/ the program was built from.
std::vector<std::filesystem::path> data_dir_candidates(const std::filesystem::path& executable_dir);
// The first candidate that is a folder; nothing when none is.
std::optional<std::filesystem::path> find_data_dir();

// Copies every file of `data_dir` into SYSTEM that SYSTEM does not have yet; files already
// there are the operator's and are never touched. README files describe the folder and stay.
void install_default_data(const Paths& paths, const std::filesystem::path& data_dir);
// The same from the data folder next to the running program; nothing happens without one.
void install_default_data(const Paths& paths);

}  // namespace loxar
