// Saving a panel's list through the file chooser.
#include "session/list_save.hpp"

#include "model/file_io.hpp"
#include "session/questions.hpp"

namespace loxar {

Text crlf_text(const std::vector<Text>& lines) {
    std::size_t size = 0;
    for (const Text& line : lines) size += line.size() + kCrLf.size();
    Text text;
    text.reserve(size);
    for (const Text& line : lines) {
        text += line;
        text += kCrLf;
    }
    return text;
}

bool lista_mentes(Session& s, const std::vector<Text>& lines, const std::filesystem::path& dir,
                  std::string_view extension, bool confirm) {
    if (lines.empty()) {
        alert(s, hu(u8"Nincs mit menteni!"));
        return false;
    }
    s.dialog.chooser_directory = text_path(dir);
    s.dialog.chooser_extension = Text(extension);
    s.dialog.chooser_mode = ChooserMode::Save;
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return false;
    // The new file replaces an old one of the name whole, or not at all.
    if (!write_file_atomic(fs_path(s.dialog.chosen_path), crlf_text(lines))) {
        report_not_saved(s, s.dialog.chosen_path);
        return false;
    }
    if (confirm) s.ui().message(hu(u8"Elmentve!"));
    return true;
}

}  // namespace loxar
