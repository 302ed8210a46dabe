// QSOs no file of LOG holds, and the warning that tells the operator of them.
#include "core/unsaved_qsos.hpp"

#include <set>

#include "core/file_io.hpp"
#include "core/log_file.hpp"
#include "core/recovery.hpp"

namespace loxar {

std::size_t unsaved_qsos_replaced_by(const Session& s, const std::vector<Text>& incoming) {
    std::set<Text> leaving;
    for (const Text& line : s.log_lista.items()) {
        if (!trim(line).empty()) leaving.insert(qso_identity(line));
    }
    for (const Text& line : incoming) leaving.erase(qso_identity(line));
    for (const std::filesystem::path& p : matching_files(s.paths.log_dir, "", ".log")) {
        if (leaving.empty()) break;
        for (const Text& line : read_log_file(p).qso_lines()) leaving.erase(qso_identity(line));
    }
    return leaving.size();
}

Text unsaved_qso_warning(std::size_t count, const Text& consequence) {
    if (count == 0) return {};
    return kCrLf + kCrLf + hu(u8"Figyelem: ") + std::to_string(count) +
           hu(u8" QSO nincs elmentve a LOG mappába, csak a munka- és backup file-okban van meg.") +
           kCrLf + consequence;
}

}  // namespace loxar
