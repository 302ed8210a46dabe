// The summary viewer: reading a ".SUM" file, searching it and finding a QSO's counterpart.
#include "database/summary_viewer.hpp"

#include "model/entry_filter.hpp"
#include "model/file_io.hpp"
#include "session/session.hpp"

namespace loxar {

namespace {

// Only a NUL byte marks a binary file: text written by DOS-era tools keeps its form feeds and
// 0x1A end marks, and those lines are shown as they are.
bool binary_line(std::string_view line) { return line.find('\0') != std::string_view::npos; }

struct QsoKeys {
    Text first, second, key;
};
QsoKeys keys_of(std::string_view line) {
    return {trim(col(line, 17, 12)), trim(col(line, 45, 12)), trim(col(line, 7, 5))};
}

constexpr FieldKind kSearchKind{FieldChars::OneLine, FieldCase::UpperFolded};

}  // namespace

SummaryRead parse_summary(std::string_view bytes) {
    SummaryRead out;
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line) || input_to_cp1250(line) != hu(u8"Összesítő:")) {
        out.status = SummaryStatus::NotSummary;
        return out;
    }
    while (cursor.next(line)) {
        if (line == "End") return out;
        if (binary_line(line)) {
            out.lines.clear();
            out.status = SummaryStatus::NotText;
            return out;
        }
        if (out.lines.size() >= kMaxSummaryLines) {
            out.status = SummaryStatus::TooLong;
            return out;
        }
        out.lines.push_back(input_to_cp1250(line));
    }
    out.status = SummaryStatus::NoEnd;
    return out;
}

void summary_search(ListBox& list, std::string_view needle) {
    const Text wanted = upper_hu(needle);
    if (wanted.empty()) return;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (upper_hu(list.at(i)).find(wanted) != Text::npos) list.select(i, true);
    }
}

std::optional<std::size_t> summary_counterpart(const std::vector<Text>& lines, std::size_t i) {
    if (i >= lines.size()) return std::nullopt;
    const QsoKeys chosen = keys_of(lines[i]);
    std::optional<std::size_t> found;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const QsoKeys k = keys_of(lines[j]);
        if (k.first == chosen.second && k.second == chosen.first && k.key == chosen.key) found = j;
    }
    return found;
}

void osszesito_beolvasas_cmd_Click(Session& s) {
    s.dialog.chooser_mode = 1;
    s.dialog.chooser_directory = text_path(s.paths.temp_dir);
    s.dialog.chooser_extension = "SUM";
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    SummaryPanel& p = s.summary_panel;
    s.ui().busy(true);
    p.osszesito_lista.clear();
    p.qso1_test.clear();
    p.qso2_test.clear();
    const std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path));
    SummaryRead read;
    if (bytes) read = parse_summary(*bytes);
    for (Text& l : read.lines) p.osszesito_lista.add(std::move(l));
    s.ui().busy(false);
    s.ui().refresh(Aspect::DatabasePanels);
    Text problem;
    if (!bytes) {
        problem = hu(u8"Az összesítő nem olvasható be (túl nagy vagy hibás): ") + s.dialog.chosen_path;
    } else {
        switch (read.status) {
            case SummaryStatus::Ok: return;
            case SummaryStatus::NotSummary: problem = hu(u8"Nem Összesítő file!"); break;
            case SummaryStatus::NoEnd: problem = hu(u8"Hiba!"); break;
            case SummaryStatus::NotText: problem = hu(u8"Nem szöveges file: ") + s.dialog.chosen_path; break;
            case SummaryStatus::TooLong:
                problem = hu(u8"Az összesítőből az első ") + std::to_string(kMaxSummaryLines) +
                          hu(u8" sor fért be, a többi kimaradt.");
                break;
        }
    }
    s.ui().beep();
    s.ui().message(problem);
}

void osszesito_kereso_rutin(Session& s) {
    summary_search(s.summary_panel.osszesito_lista, trim(s.summary_panel.kereses_text));
    s.ui().refresh(Aspect::DatabasePanels);
}

void osszesito_lista_DblClick(Session& s, long index) {
    SummaryPanel& p = s.summary_panel;
    p.qso1_test.clear();
    p.qso2_test.clear();
    if (index < 0 || static_cast<std::size_t>(index) >= p.osszesito_lista.size()) return;
    const auto i = static_cast<std::size_t>(index);
    p.qso1_test = p.osszesito_lista.at(i);
    if (auto j = summary_counterpart(p.osszesito_lista.items(), i)) p.qso2_test = p.osszesito_lista.at(*j);
    s.ui().refresh(Aspect::DatabasePanels);
}

bool kereses_text_key(Session& s, char& c) {
    if (c == '\r') {
        osszesito_kereso_rutin(s);
        return true;
    }
    c = filter_char(kSearchKind, c);
    return false;
}

}  // namespace loxar
