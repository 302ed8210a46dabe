// The input filters of the entry fields and their widths by line layout.
#include "model/entry_filter.hpp"

#include <algorithm>

#include "model/log_format.hpp"
#include "model/qso_line.hpp"

namespace loxar {

namespace {

using C = FieldChars;
using L = FieldCase;

constexpr FieldKind kCallsign{C::Callsign, L::Upper};
constexpr FieldKind kLocator{C::Locator, L::UpperFolded};
constexpr FieldKind kReport{C::Record, L::Upper};
constexpr FieldKind kQsoText{C::Record, L::UpperFolded};
constexpr FieldKind kQsoValue{C::Record, L::Keep};
constexpr FieldKind kOwnText{C::Header, L::UpperFolded};
constexpr FieldKind kName{C::Name, L::UpperFolded};
constexpr FieldKind kOwnName{C::OwnName, L::UpperFolded};
constexpr FieldKind kHeaderText{C::Header, L::Keep};

struct KindOf {
    Control control;
    FieldKind kind;
};

// Callsigns are only upper-cased: an accented letter in one is a typing error, not an O or a U.
constexpr KindOf kKinds[] = {
    {Control::kapott_hivojel_text, kCallsign},
    {Control::hivojel_2_text, kCallsign},
    {Control::hivojel_text, kCallsign},
    {Control::kapott_QRA_text, kLocator},
    {Control::QRA_text, kLocator},
    {Control::kapott_riport_text, kReport},
    {Control::kuldott_riport_text, kReport},
    {Control::kapott_sorszam_text, kQsoText},
    {Control::kuldott_sorszam_text, kQsoText},
    {Control::kapott_nev_text, kName},
    {Control::kuldott_nev_text, kName},
    {Control::tavolsag_text, kQsoValue},
    {Control::pontszam_text, kQsoValue},
    {Control::kezelo_text, kOwnName},
    {Control::exch_text, kOwnText},
    {Control::qth_text, kHeaderText},
    {Control::verseny_neve_text, kHeaderText},
};

// The QSO fields and the layout column each is written into.
constexpr std::pair<Control, std::size_t EntryWidths::*> kColumns[] = {
    {Control::kapott_hivojel_text, &EntryWidths::call},
    {Control::kapott_riport_text, &EntryWidths::report},
    {Control::kapott_sorszam_text, &EntryWidths::serial},
    {Control::kapott_QRA_text, &EntryWidths::locator},
    {Control::kapott_nev_text, &EntryWidths::name},
    {Control::kuldott_riport_text, &EntryWidths::report},
    {Control::kuldott_sorszam_text, &EntryWidths::sent_serial},
    {Control::hivojel_2_text, &EntryWidths::call2},
    // The own exchange is sent as the sent exchange.
    {Control::exch_text, &EntryWidths::sent_serial},
};

bool is_upper_ascii(char c) {
    return c >= 'A' && c <= 'Z';
}

// Accented letters of both cases folded, the case kept.
char fold_keeping_case(char c) {
    const char folded = fold_accents(c);
    if (folded != c) return folded;
    const char upper = upper_hu(c);
    if (upper == c) return c;
    const char folded_upper = fold_accents(upper);
    // A folded small letter stays small: the folded capitals are plain A-Z.
    return folded_upper != upper ? static_cast<char>(folded_upper + ('a' - 'A')) : c;
}

char apply_case(FieldCase letters, char c) {
    switch (letters) {
        case L::Upper: return upper_hu(c);
        case L::UpperFolded: return fold_accents(upper_hu(c));
        case L::Folded: return fold_keeping_case(c);
        case L::Keep: break;
    }
    return c;
}

bool holds(FieldChars chars, char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return false;
    switch (chars) {
        case C::OneLine: return true;
        case C::Record: return c != ';';
        case C::Header: return c != ';' && c != ',';
        case C::Name: return holds(C::Record, c) && c != '=' && c != '?';
        case C::OwnName: return holds(C::Header, c) && c != '=' && c != '?';
        case C::Locator: return is_upper_ascii(c) || is_digit(c);
        case C::Callsign: return is_upper_ascii(c) || is_digit(c) || c == '/';
    }
    return false;
}

}  // namespace

FieldKind entry_field_kind(Control control) {
    for (const KindOf& k : kKinds) {
        if (k.control == control) return k.kind;
    }
    return {};
}

char filter_char(FieldKind kind, char c) {
    c = apply_case(kind.letters, c);
    return holds(kind.chars, c) ? c : '\0';
}

FilteredText filter_text(FieldKind kind, std::string_view text, std::size_t max_length) {
    FilteredText out;
    out.text.reserve(text.size());
    for (char c : text) {
        const char kept = filter_char(kind, c);
        if (kept == '\0') {
            out.refused = true;
        } else {
            out.text += kept;
        }
    }
    if (max_length > 0 && out.text.size() > max_length) {
        out.text.resize(max_length);
        out.refused = true;
    }
    return out;
}

FilteredText edit_text(FieldKind kind, std::string_view before, std::string_view text,
                       std::size_t max_length) {
    FilteredText out = filter_text(kind, text);
    if (max_length == 0 || out.text.size() <= max_length) return out;
    // Everything of `before` still there around one inserted piece: an insertion into a full field.
    const std::string_view after = out.text;
    std::size_t prefix = 0;
    const std::size_t common = std::min(before.size(), after.size());
    while (prefix < common && after[prefix] == before[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (prefix + suffix < common &&
           after[after.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
        ++suffix;
    }
    if (before.size() >= max_length && prefix + suffix == before.size()) return {Text(before), true};
    out.text.resize(max_length);
    out.refused = true;
    return out;
}

std::size_t entry_max_length(LineLayout layout, Control control) {
    const EntryWidths& w = entry_widths(layout);
    for (const auto& [name, column] : kColumns) {
        if (name == control) return w.*column;
    }
    if (control == Control::hivojel_text) return kHeaderCallWidth;
    if (control == Control::QRA_text) return kHeaderLocatorWidth;
    if (control == Control::kezelo_text) {
        return w.own_name > 0 ? std::min(w.own_name, kHeaderNameWidth) : kHeaderNameWidth;
    }
    return 0;
}

}  // namespace loxar
