// The live duplicate search while a callsign is typed, the final duplicate check, the marked
// duplicates and the sent-serial check.
#include "session/duplicates.hpp"

#include <string_view>
#include <unordered_set>

#include "model/callsign_index.hpp"
#include "model/contest_profile.hpp"
#include "model/duplicate_marks.hpp"
#include "model/log_fields.hpp"
#include "session/numbering.hpp"
#include "session/questions.hpp"

namespace loxar {

namespace {

// The columns of a callsign field, for the index of callsigns.
constexpr CallsignColumns columns_of(const auto& cells, Field f) {
    for (const FieldCell& c : cells) {
        if (c.field == f) return {c.at.from, c.at.len};
    }
    return {};
}

// The two heard stations of a listener's line.
constexpr CallsignColumns kSwlFirstCall = columns_of(kSwlFields, Field::Call);
constexpr CallsignColumns kSwlSecondCall = columns_of(kSwlFields, Field::Call2);

// The live search runs on every keystroke, so it reads the columns through views instead of
// cutting a new text out of every line it looks at.
std::string_view column_view(std::string_view line, std::size_t from, std::size_t len) {
    if (from == 0 || from > line.size()) return {};
    return line.substr(from - 1, len);
}

std::string_view trimmed_field(std::string_view line, LineLayout layout, Field f) {
    return trim_view(field_view(line, layout, f));
}

bool contains(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != std::string_view::npos;
}

// The worked callsign at column 21, each layout's own field, so that the separator and the
// report after a short NMARK callsign never take part in the match.
CallsignColumns callsign_columns(LineLayout layout) {
    switch (layout) {
        case LineLayout::Qrp: return columns_of(kQrpFields, Field::Call);
        case LineLayout::Nmark: return columns_of(kNmarkFields, Field::Call);
        case LineLayout::Skm: return columns_of(kSkmFields, Field::Call);
        default: return columns_of(kGeneralFields, Field::Call);
    }
}

// Shows the found list when it has entries (its first entry selected) and hides it otherwise.
// The log list keeps its selection either way.
void show_found_list(Session& s, bool had_entries) {
    const bool show = !s.worked.talalt_log_lista.empty();
    if (show) s.worked.talalt_log_lista.select_only(0);
    ControlView& view = s.view[Control::talalt_log_lista];
    const bool visibility_changed = view.visible != show;
    view.visible = show;
    if (had_entries || show || visibility_changed) s.ui().refresh(Aspect::FoundList);
}

// A callsign too short to search hides the list; it is emptied too, so that adding a QSO never
// asks about the duplicates of a callsign typed earlier.
void hide_found_list(Session& s) {
    const bool had_entries = !s.worked.talalt_log_lista.empty();
    s.worked.talalt_log_lista.clear();
    show_found_list(s, had_entries);
}

}  // namespace

// Both searches read only the lines the callsign index offers, in log order, and test each
// as a scan of the whole log would.
void dupla_qso_ellenorzes(Session& s) {
    const Text call = trim(s.qso.kapott_hivojel_text);
    if (call.size() < 3) {
        hide_found_list(s);
        return;
    }
    const bool had_entries = !s.worked.talalt_log_lista.empty();
    s.worked.talalt_log_lista.clear();

    const ContestType type = s.contest();
    const LineLayout layout = layout_of(type);
    const CallsignColumns columns = callsign_columns(layout);
    const bool rhob = type == ContestType::RhOb;
    const Text band = trim(col(s.qso.band_text, 1, 7));
    // The date and time field reads "YYYY-MM-DD/hh:mm:ss": column 15 holds the tens of minutes,
    // in the entry field as in every line.
    constexpr std::size_t kMinuteTens = 15;
    const std::string_view minute_tens = column_view(s.qso.log_ido, kMinuteTens, 1);
    const Text mode = trim(s.qso.mod_combo.text());

    for (const std::uint32_t i : s.callsign_index.candidates(s.log_lista, columns, call)) {
        const Text& line = s.log_lista.at(i);
        if (rhob) {
            // RH-OB allows the same station again in every new ten minutes and on every mode.
            if (column_view(line, kMinuteTens, 1) != minute_tens ||
                trimmed_field(line, layout, Field::Mode) != mode) {
                continue;
            }
        } else if (trimmed_field(line, layout, Field::Band) != band) {
            continue;
        }
        if (contains(callsign_field(line, columns), call)) s.worked.talalt_log_lista.add(line);
    }
    show_found_list(s, had_entries);
}

void SWL_dupla_qso_ellenorzes(Session& s) {
    const Text call1 = trim(s.qso.kapott_hivojel_text);
    const Text call2 = trim(s.qso.hivojel_2_text);
    if (call1.size() < 3 || call2.size() < 3) {
        hide_found_list(s);
        return;
    }
    const bool had_entries = !s.worked.talalt_log_lista.empty();
    s.worked.talalt_log_lista.clear();
    const Text band = trim(col(s.qso.band_text, 1, 7));
    for (const std::uint32_t i : s.callsign_index.candidates(s.log_lista, kSwlFirstCall, call1)) {
        const Text& line = s.log_lista.at(i);
        if (trimmed_field(line, LineLayout::Swl, Field::Band) != band) continue;
        if (contains(callsign_field(line, kSwlFirstCall), call1) &&
            contains(callsign_field(line, kSwlSecondCall), call2)) {
            s.worked.talalt_log_lista.add(line);
        }
    }
    show_found_list(s, had_entries);
}

void live_duplicate_search(Session& s) {
    if (s.contest() == ContestType::Swl) {
        SWL_dupla_qso_ellenorzes(s);
    } else {
        dupla_qso_ellenorzes(s);
    }
}

bool dupla_ellenorzes(Session& s) {
    if (!contest_profile(s.contest()).duplicate_check) return true;
    Ui& ui = s.ui();
    // Any number of keys: a long log is checked to its end.
    std::unordered_set<Text> seen;
    seen.reserve(s.log_lista.size());
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        const Text& line = s.log_lista.at(i);
        // A line the operator marked as a duplicate is dealt with: the evaluation skips it, so
        // it must not stop the evaluation either.
        if (marked_duplicate(line)) continue;
        if (seen.insert(field(line, LineLayout::General, Field::Call) +
                        field(line, LineLayout::General, Field::Band))
                .second) {
            continue;
        }
        s.log_lista.select_only(i);
        s.panel = Panel::Log;
        ui.refresh(Aspect::LogList);
        ui.refresh(Aspect::Panels);
        ui.beep();
        ui.message(hu(u8"Dupla hívójelet találtam ") + field(line, LineLayout::General, Field::Number) +
                   " !");
        return false;
    }
    ui.beep();
    ui.message(hu(u8"Dupla hívójel nem található!"));
    return true;
}

void dupla_osszeszamolas(Session& s) {
    // One flag per line, however long the log: a flag left over from an earlier log would make
    // the evaluation skip a good QSO.
    s.score.duplicate_flags = duplicate_marks(s.log_lista.items());
}

void sorszam_ellenorzes(Session& s) {
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        const auto sent =
            static_cast<long long>(val(field(s.log_lista.at(i), LineLayout::General, Field::SentSerial)));
        if (sent == static_cast<long long>(i) + 1) continue;
        alert(s, hu(u8"Sorszám hiba a ") + std::to_string(i + 1) + ". sorban!");
        return;
    }
}

void talalt_log_lista_DblClick(Session& s, long index) {
    if (s.worked.talalt_log_lista.empty()) return;
    if (index < 0 || index >= static_cast<long>(s.worked.talalt_log_lista.size())) return;
    const Text& found = s.worked.talalt_log_lista.at(static_cast<std::size_t>(index));
    const std::vector<Text>& lines = s.log_lista.items();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != found) continue;
        s.log_lista.select_only(i);
        s.ui().refresh(Aspect::LogList);
        return;
    }
}

}  // namespace loxar
