// The report panel: result calculation, the result views, building, saving and clearing reports.
#include "session/report_panel.hpp"

#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "reports/adif_report.hpp"
#include "reports/cabrillo_report.hpp"
#include "reports/edi_report.hpp"
#include "reports/result_fields.hpp"
#include "rules/claimed_score.hpp"
#include "rules/contest_rules.hpp"
#include "rules/log_total.hpp"
#include "rules/scoring.hpp"
#include "session/contest_rules.hpp"
#include "session/questions.hpp"
#include "session/report_source.hpp"
#include "session/scoring.hpp"

namespace loxar {

namespace {

constexpr const char* kResultsHeader = "EDI data:";

bool flag(const std::vector<char>& flags, std::size_t i) {
    return i < flags.size() && flags[i];
}

void show(Session& s, Control control, bool visible) {
    s.view[control].visible = visible;
}

// Formats whose result button has no calculation and only beeps.
bool beeps_on_result(int format) {
    switch (format) {
        case kFormatHaDx:
        case kFormatHaQrp:
        case kFormatRhOb:
        case kFormatRdxcAll:
        case kFormatRdxcTwo:
        case kFormatHskc:
        case kFormatDx: return true;
        default: return false;
    }
}

// The frames a chosen format shows; the selector's click adds its beep.
void show_format_frames(Session& s) {
    switch (s.formatum_combo.list_index) {
        case kFormatEdif:
            show(s, Control::adif_result_keret, false);
            show(s, Control::edi_result_keret, true);
            show(s, Control::edi_riport_text, true);
            // The list may hold the CQ-WW-VHF lines; the EDI report must never write those.
            QSO_lista_toltes(s);
            break;
        case kFormatCqwwVhf:
            show(s, Control::adif_result_keret, false);
            show(s, Control::edi_result_keret, true);
            show(s, Control::edi_riport_text, false);
            CQWW_qso_lista_toltes(s);
            break;
        default: break;
    }
}

Text report_extension(int format, const Text& previous) {
    switch (format) {
        case kFormatEdif: return "edi";
        case kFormatYlom: return "adi";
        case kFormatExchange:
        case kFormatSwl: return previous;
        default: return "cbr";
    }
}

void saved(Session& s, bool ok) {
    if (!ok) {
        report_not_saved(s, s.dialog.chosen_path);
        return;
    }
    alert(s, hu(u8"Elmentve!"));
}

bool choose(Session& s, const std::filesystem::path& dir, const Text& extension, ChooserMode mode) {
    s.dialog.chooser_directory = text_path(dir);
    s.dialog.chooser_extension = extension;
    s.dialog.chooser_mode = mode;
    s.ui().file_valasztas(s.dialog);
    return !s.dialog.chosen_path.empty();
}

}  // namespace

void QSO_lista_toltes(Session& s) {
    s.report.qso_lista.clear();
    const std::vector<Text>& lines = s.log_lista.items();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EdiFlags flags{flag(s.score.new_exchange_flags, i), flag(s.score.new_square_flags, i),
                             flag(s.score.new_country_flags, i), flag(s.score.duplicate_flags, i)};
        s.report.qso_lista.add(edi_list_line(lines[i], flags));
    }
}

void CQWW_qso_lista_toltes(Session& s) {
    s.report.qso_lista.clear();
    for (const Text& line : s.log_lista.items()) {
        s.report.qso_lista.add(cqww_list_line(line, s.station.hivojel_text, s.station.QRA_text));
    }
}

void yl_qso_lista_toltes(Session& s) {
    s.report.adif_qso_lista.clear();
    for (const Text& line : s.log_lista.items()) s.report.adif_qso_lista.add(yl_list_line(line));
}

void yl_statisztika_label_toltes(Session& s) {
    s.report.adif_statisztika_label = yl_statistics_text(s.report.adif_qso_lista.items());
}

void adif_erase_rutin(Session& s) {
    s.report.adif_qso_lista.clear();
    s.report.adif_statisztika_label.clear();
}

void edi_erase_rutin(Session& s) {
    clear_results(s.sheet);
    s.sheet.tx_Remark.clear();
    s.report.qso_lista.clear();
}

bool run_result_calculation(Session& s, int format) {
    switch (format) {
        case kFormatEdif:
            if (!edi_calculate_rutin(s)) return false;
            QSO_lista_toltes(s);
            return true;
        case kFormatYlom:
            yl_label_toltes(s);
            yl_qso_lista_toltes(s);
            yl_statisztika_label_toltes(s);
            return true;
        case kFormatCqwwVhf:
            CQWW_eredmeny_kiszamolas(s);
            CQWW_qso_lista_toltes(s);
            return true;
        default: return false;
    }
}

std::optional<Text> build_report(Session& s, int format) {
    if (format < 0 || format >= kFormatCount) return std::nullopt;
    if (format == kFormatEdif) return edi_report(report_source(s));
    if (format == kFormatYlom) {
        YlomReport r = ylom_report(report_source(s));
        s.report.adif_header_lines = r.header_lines;
        if (r.stopped) {
            alert(s, r.message);
            return std::nullopt;
        }
        return std::move(r.text);
    }
    // The list is read from the log now, so QSOs logged since the format was chosen are in it.
    if (format == kFormatCqwwVhf) CQWW_qso_lista_toltes(s);
    return cabrillo_report(format, report_source(s));
}

void eredmeny_cmd_Click(Session& s) {
    const int format = s.formatum_combo.list_index;
    if (run_result_calculation(s, format)) {
        edi_valaszto_Click(s, 0);
    } else if (beeps_on_result(format)) {
        s.ui().beep();
    }
    s.ui().refresh(Aspect::Report);
}

void jegyzokonyv_cmd_Click(Session& s) {
    const int format = s.formatum_combo.list_index;
    if (format == kFormatYlom) s.report.edi_riport_text.clear();
    std::optional<Text> report = build_report(s, format);
    if (report) {
        s.report.edi_riport_text = std::move(*report);
        edi_valaszto_Click(s, 0);
        edi_valaszto_Click(s, 1);
    }
    s.ui().refresh(Aspect::Report);
}

void edi_save_riport_cmd_Click(Session& s) {
    s.dialog.chooser_extension = report_extension(s.formatum_combo.list_index, s.dialog.chooser_extension);
    save_riport(s);
}

CheckContext report_check_context(const Session& s, ReportKind kind) {
    const std::vector<Text>& lines = s.log_lista.items();
    const LogTotal total = log_total(lines, s.contest());
    if (!total.computed || !is_numeric(total.total)) return {};
    const long long points = int_value(total.total);
    const DataSheet& d = s.sheet;
    if (kind == ReportKind::Edi) {
        return {claimed_total(total.total, d.tx_CQSOMul, {d.tx_CWWLMul, d.tx_CDXCMul, d.tx_CExcsMul}),
                points};
    }
    if (kind != ReportKind::Cabrillo) return {};
    if (s.contest() == ContestType::CqwwVhf)
        return {cqww_claimed_total(total.total, lines, result_multipliers(d)), {}};
    return {points, {}};
}

void riport_ellenorzes_cmd_Click(Session& s) {
    ListBox& list = s.report.riport_hibak_lista;
    list.clear();
    const Text& report = s.report.edi_riport_text;
    if (trim(report).empty()) {
        list.add(hu(u8"Nincs jegyzőkönyv: előbb a \"Jegyzőkönyv készités\" gomb."));
    } else {
        const std::vector<Finding> found =
            check_report(report, report_check_context(s, detect_report(report)));
        for (const Finding& f : found) list.add(finding_text(f));
        if (found.empty()) list.add(hu(u8"Nem találtam hibát."));
    }
    s.ui().refresh(Aspect::Report);
}

void save_riport(Session& s) {
    if (!choose(s, s.paths.report_dir, s.dialog.chooser_extension, ChooserMode::Save)) return;
    saved(s, write_file_atomic(fs_path(s.dialog.chosen_path), s.report.edi_riport_text));
}

Text edi_results_file_text(const DataSheet& d) {
    Text out = Text(kResultsHeader) + "\r\n";
    for (const ResultField& f : result_fields()) out += d.*f.member + "\r\n";
    out += d.tx_Remark + "\r\nEnd\r\n";
    return out;
}

bool apply_edi_results_file(DataSheet& d, const Text& bytes) {
    // Header, the fields, at least one remark line (maybe empty) and the closing "End".
    const std::size_t fields = result_fields().size();
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line) || line != kResultsHeader) return false;
    std::vector<Text> values;
    while (values.size() < fields && cursor.next(line)) values.emplace_back(line);
    // A remark of several lines fills everything between the fields and the last line, "End";
    // the line read last is held back until the next shows it was not the last.
    Text remark;
    std::optional<std::string_view> held;
    std::size_t remark_lines = 0;
    while (cursor.next(line)) {
        if (held) {
            if (remark_lines++ > 0) remark += "\r\n";
            remark += *held;
        }
        held = line;
    }
    if (values.size() < fields || remark_lines == 0 || held != "End") return false;
    for (std::size_t i = 0; i < fields; ++i) d.*result_fields()[i].member = std::move(values[i]);
    d.tx_Remark = std::move(remark);
    return true;
}

void edi_save_cmd_Click(Session& s) {
    if (!choose(s, s.paths.temp_dir, "txt", ChooserMode::Save)) return;
    saved(s, write_file_atomic(fs_path(s.dialog.chosen_path), edi_results_file_text(s.sheet)));
}

void edi_load_cmd_Click(Session& s) {
    if (!choose(s, s.paths.temp_dir, "txt", ChooserMode::Open)) return;
    const std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path), kMaxSmallFileBytes);
    if (!bytes || !apply_edi_results_file(s.sheet, *bytes)) {
        alert(s, hu(u8"Hibás a formátum!"));
        return;
    }
    s.ui().refresh(Aspect::Report);
}

void edi_erase_cmd_Click(Session& s) {
    if (!ask(s, hu(u8"Törli az eredményeket?"))) return;
    switch (s.formatum_combo.list_index) {
        case kFormatEdif: edi_erase_rutin(s); break;
        case kFormatYlom: adif_erase_rutin(s); break;
        case kFormatHaDx:
            yl_qso_lista_toltes(s);
            yl_label_toltes(s);
            break;
        default: break;
    }
    s.ui().refresh(Aspect::Report);
}

void formatum_combo_Click(Session& s) {
    switch (s.formatum_combo.list_index) {
        case kFormatYlom:
        case kFormatHaDx:
        case kFormatHaQrp:
        case kFormatRhOb:
        case kFormatRdxcAll:
        case kFormatRdxcTwo:
        case kFormatHskc:
        case kFormatDx: s.ui().beep(); break;
        default: break;
    }
    show_format_frames(s);
    s.ui().refresh(Aspect::Report);
}

void edi_keret_eltuntetes(Session& s) {
    show(s, Control::riport_keret, false);
    show(s, Control::adif_result_keret, false);
}

void edi_valaszto_Click(Session& s, short option) {
    s.report.edi_valaszto = option;
    edi_keret_eltuntetes(s);
    if (option == 1) {
        show(s, Control::edi_result_keret, false);
        show(s, Control::riport_keret, true);
        show(s, Control::edi_riport_text, true);
        return;
    }
    // One result view at a time: a frame another format left shown would only mislead.
    const int f = s.formatum_combo.list_index;
    show(s, Control::edi_result_keret, f == kFormatEdif || f == kFormatCqwwVhf);
    show(s, Control::adif_result_keret, f == kFormatYlom || f == kFormatHaDx);
}

void jegyzokonyv_formatum_valasztas(Session& s) {
    // The placeholder contest type has no report format of its own.
    if (s.szabaly_combo.list_index > 0) {
        const Text wanted = contest_profile(s.contest()).report_format;
        for (int i = 0; i < s.formatum_combo.size(); ++i) {
            if (s.formatum_combo.items[i] == wanted) s.formatum_combo.set(i);
        }
    }
    show_format_frames(s);
    // A format without a result view opens on its report.
    const int f = s.formatum_combo.list_index;
    const bool has_results = f == kFormatEdif || f == kFormatYlom || f == kFormatCqwwVhf;
    edi_valaszto_Click(s, has_results ? s.report.edi_valaszto : 1);
}

}  // namespace loxar
