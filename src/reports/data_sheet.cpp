// The station data sheet: field table, input filters, clearing, and the ".hdr" file.
#include "reports/data_sheet.hpp"

#include "model/file_io.hpp"

namespace loxar {

namespace {

// Header values stand on "TAG=value" lines; the callsigns and the locator hold only what those can.
constexpr FieldKind kUpper{FieldChars::OneLine, FieldCase::UpperFolded};
constexpr FieldKind kAsTyped{FieldChars::OneLine, FieldCase::Keep};
constexpr FieldKind kName{FieldChars::OneLine, FieldCase::Folded};
constexpr FieldKind kCall{FieldChars::Callsign, FieldCase::UpperFolded};
constexpr FieldKind kWwl{FieldChars::Locator, FieldCase::UpperFolded};
// The two antenna heights share one line, joined by ";".
constexpr FieldKind kHeight{FieldChars::Record, FieldCase::Keep};

// Control, label index, tooltip, input kind, member, in file order.
const std::array<SheetField, kSheetFieldCount> kFields = {{
    {"tx_TName", 0, "Contest name", kUpper, &DataSheet::tx_TName},
    {"tx_TDate_1", 1, "Beginning date of contest", kAsTyped, &DataSheet::tx_TDate_1},
    {"tx_TDate_2", 1, "Ending date of contest", kAsTyped, &DataSheet::tx_TDate_2},
    {"tx_PCall", 2, "Callsign used", kCall, &DataSheet::tx_PCall},
    {"tx_PWWLo", 3, "WWL used", kWwl, &DataSheet::tx_PWWLo},
    {"tx_PExch", 4, "Exchange used", kUpper, &DataSheet::tx_PExch},
    {"tx_PAdr1", 5, "Address line 1 from where the contest took place", kAsTyped, &DataSheet::tx_PAdr1},
    {"tx_PAdr2", 6, "Address line 2 from where the contest took place", kAsTyped, &DataSheet::tx_PAdr2},
    {"tx_PSect", 7, "Section in which station participates", kUpper, &DataSheet::tx_PSect},
    {"tx_PBand", 8, "Band used", kUpper, &DataSheet::tx_PBand},
    {"tx_PClub", 9, "Club station where the points can be accumulated", kUpper, &DataSheet::tx_PClub},
    {"tx_RName", 10, "Name of responsible operator:", kName, &DataSheet::tx_RName},
    {"tx_RCall", 11, "Callsign of responsible operator", kCall, &DataSheet::tx_RCall},
    {"tx_RAdr1", 12, "Address line 1 of responsible operator", kUpper, &DataSheet::tx_RAdr1},
    {"tx_RAdr2", 13, "Address line2 of responsible operator ", kAsTyped, &DataSheet::tx_RAdr2},
    {"tx_RPoCo", 14, "Postal code of responsible operator", kAsTyped, &DataSheet::tx_RPoCo},
    {"tx_RCity", 15, "City of responsible operator", kUpper, &DataSheet::tx_RCity},
    {"tx_RCoun", 16, "Country of responsible operator", kUpper, &DataSheet::tx_RCoun},
    {"tx_RPhon", 17, "Phone number of responsible operator", kAsTyped, &DataSheet::tx_RPhon},
    {"tx_RHBBS", 18, "Home BBS of responsible operator", kAsTyped, &DataSheet::tx_RHBBS},
    {"tx_MOpe1", 19, "Multi operator line 1", kUpper, &DataSheet::tx_MOpe1},
    {"tx_MOpe2", 20, "Multi operator line 2", kUpper, &DataSheet::tx_MOpe2},
    {"tx_STXEq", 21, "Tx equipment", kUpper, &DataSheet::tx_STXEq},
    {"tx_SPowe", 22, "Tx power", kUpper, &DataSheet::tx_SPowe},
    {"tx_SRXEq", 23, "Rx equipment", kUpper, &DataSheet::tx_SRXEq},
    {"tx_SAnte", 24, "Antenna", kUpper, &DataSheet::tx_SAnte},
    {"tx_SAntH_ground", 25, "Antenna height above ground level", kHeight, &DataSheet::tx_SAntH_ground},
    {"tx_SAntH_see", 25, "Antenna height above see level", kHeight, &DataSheet::tx_SAntH_see},
}};

const std::array<const char*, kSheetTagCount> kTags = {
    "TName", "TDate", "PCall", "PWWLo", "PExch", "PAdr1", "PAdr2", "PSect", "PBand",
    "PClub", "RName", "RCall", "RAdr1", "RAdr2", "RPoCo", "RCity", "RCoun", "RPhon",
    "RHBBS", "MOpe1", "MOpe2", "STXEq", "SPowe", "SRXEq", "SAnte", "SAntH"};

// The EDI result fields and the report remark, emptied with the sheet.
Text DataSheet::*const kResultFields[] = {
    &DataSheet::tx_CQSOs,     &DataSheet::tx_CQSOMul,  &DataSheet::tx_CQSOP,   &DataSheet::tx_CWWLs,
    &DataSheet::tx_CWWLBo,    &DataSheet::tx_CWWLMul,  &DataSheet::tx_CWWLB,   &DataSheet::tx_CExcs,
    &DataSheet::tx_CExcsBo,   &DataSheet::tx_CExcsMul, &DataSheet::tx_CExcB,   &DataSheet::tx_CDXCs,
    &DataSheet::tx_CDXCBo,    &DataSheet::tx_CDXCMul,  &DataSheet::tx_CDXCB,   &DataSheet::tx_CToSc,
    &DataSheet::tx_CODXC,     &DataSheet::tx_CODXWWL,  &DataSheet::tx_CODXDis, &DataSheet::tx_Remark,
    &DataSheet::tx_QSORecords};

bool is_date_field(const SheetField& f) {
    return f.label_index == 1;
}

}  // namespace

DataSheet::DataSheet() {
    for (const CategoryList& list : category_lists()) {
        Combo& c = this->*list.member;
        c.items = list.items;
        c.set(0);
    }
}

const std::array<SheetField, kSheetFieldCount>& sheet_fields() {
    return kFields;
}

Text sheet_tag(int label_index) {
    if (label_index < 0 || label_index >= kSheetTagCount) return {};
    return kTags[static_cast<std::size_t>(label_index)];
}

const SheetField* find_sheet_field(std::string_view control) {
    for (const SheetField& f : kFields) {
        if (control == f.control) return &f;
    }
    return nullptr;
}

const std::vector<CategoryList>& category_lists() {
    static const std::vector<CategoryList> lists = {
        {"hadx_operator_combo",
         "OPERATOR",
         &DataSheet::hadx_operator_combo,
         {".....", "SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
        {"hadx_band_combo",
         "BAND",
         &DataSheet::hadx_band_combo,
         {".....", "ALL", "160M", "80M", "40M", "20M", "15M", "10M"}},
        {"hadx_power_combo", "POWER", &DataSheet::hadx_power_combo, {".....", "HIGH", "LOW", "QRP"}},
        {"hadx_mod_combo", "MODE", &DataSheet::hadx_mod_combo, {".....", "MIXED", "SSB", "CW"}},
        {"hadx_receiver_combo",
         "TRANSMITTER",
         &DataSheet::hadx_receiver_combo,
         {"...", "ONE", "TWO", "LIMITED", "UNLIMITED", "SWL "}},
        {"hadx_station_combo",
         "STATION",
         &DataSheet::hadx_station_combo,
         {"...", "FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL "}},
        {"cqww_kategoria_combo",
         "CQWW-VHF kategória",
         &DataSheet::cqww_kategoria_combo,
         {".....", "SINGLE-OP", "MULTI-OP", "HILLTOPPER", "ROVER", "CHECKLOG"}},
        {"cqww_band_combo", "CQWW-VHF sáv", &DataSheet::cqww_band_combo, {"...", "ALL", "50", "144"}},
        {"cqww_power_combo", "CQWW-VHF teljesítmény", &DataSheet::cqww_power_combo, {"...", "HIGH", "QRP"}},
        {"haqrp_kategoria_combo",
         "HA-QRP kategória",
         &DataSheet::haqrp_kategoria_combo,
         {".....", hu(u8"Egyéni"), hu(u8"Kollektív"), hu(u8"Külföldi"), "SWL"}},
        {"rhob_kategoria_combo",
         "RH-OB kategória",
         &DataSheet::rhob_kategoria_combo,
         {"...", " U", " N", " F", "MO"}},
    };
    return lists;
}

char adatlap_key_filter(std::string_view control, char typed) {
    const SheetField* f = find_sheet_field(control);
    return f ? filter_char(f->kind, typed) : typed;
}

void clear_sheet(DataSheet& d) {
    for (const SheetField& f : kFields) d.*f.member = is_date_field(f) ? kEmptyDate : "";
    for (auto member : kResultFields) (d.*member).clear();
    for (const CategoryList& list : category_lists()) {
        if (list.member != &DataSheet::hadx_station_combo) (d.*list.member).set(0);
    }
}

Text sheet_file_text(const DataSheet& d) {
    Text out = Text(kSheetFileHeader) + kCrLf;
    for (const SheetField& f : kFields) {
        const Text& value = d.*f.member;
        // A date field shows its mask when nothing is typed, and is written as shown.
        out += (is_date_field(f) && value.empty() ? Text(kEmptyDate) : one_line(value)) + kCrLf;
    }
    for (const CategoryList& list : category_lists()) {
        out += std::to_string((d.*list.member).list_index) + kCrLf;
    }
    return out;
}

std::optional<SheetFile> parse_sheet_file(const Text& bytes) {
    const std::vector<Text> lines =
        first_lines(input_to_cp1250(bytes), 1 + kSheetFieldCount + kCategoryListCount);
    if (lines.empty() || lines[0] != kSheetFileHeader) return std::nullopt;
    SheetFile f;
    std::size_t next = 1;
    // A file cut short leaves the missing fields empty (and the missing lists at index 0),
    // never a copy of the line read before them.
    for (std::size_t i = 0; i < f.texts.size(); ++i, ++next) {
        const bool is_date = is_date_field(kFields[i]);
        Text value = next < lines.size() ? lines[next] : Text();
        f.texts[i] = is_date && value.empty() ? Text(kEmptyDate) : std::move(value);
    }
    for (std::size_t i = 0; i < f.indexes.size(); ++i, ++next) {
        if (next >= lines.size()) break;
        const std::optional<std::int16_t> n = to_short(val(lines[next]));
        f.indexes[i] = n ? *n : -2;  // beyond any list: leaves the list as it is
    }
    return f;
}

void apply_sheet_file(DataSheet& d, const SheetFile& f) {
    for (std::size_t i = 0; i < kFields.size(); ++i) d.*kFields[i].member = f.texts[i];
    const auto& lists = category_lists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        Combo& c = d.*lists[i].member;
        const long n = f.indexes[i];
        if (n >= -1 && n < c.size()) c.set(static_cast<int>(n));
    }
}

bool sheet_needs_refresh(std::string_view first_log_date, std::string_view last_log_date,
                         std::string_view start_date, std::string_view end_date) {
    return first_log_date != start_date || last_log_date == end_date;
}

}  // namespace loxar
