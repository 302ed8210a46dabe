// The summary panel's procedures: reading a ".SUM" file, the search and a QSO's counterpart.
#include "session/summary_viewer.hpp"

#include "model/entry_filter.hpp"
#include "model/file_io.hpp"
#include "session/questions.hpp"
#include "session/session.hpp"

namespace loxar {

namespace {

constexpr FieldKind kSearchKind{FieldChars::OneLine, FieldCase::UpperFolded};

}  // namespace

void osszesito_beolvasas_cmd_Click(Session& s) {
    s.dialog.chooser_mode = ChooserMode::Open;
    s.dialog.chooser_directory = text_path(s.paths.temp_dir);
    s.dialog.chooser_extension = "SUM";
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    SummaryPanel& p = s.db.summary_panel;
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
    alert(s, problem);
}

void osszesito_kereso_rutin(Session& s) {
    summary_search(s.db.summary_panel.osszesito_lista, trim(s.db.summary_panel.kereses_text));
    s.ui().refresh(Aspect::DatabasePanels);
}

void osszesito_lista_DblClick(Session& s, long index) {
    SummaryPanel& p = s.db.summary_panel;
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
