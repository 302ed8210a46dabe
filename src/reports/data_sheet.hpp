// The station data sheet: its fields and tags, input filters, category lists and ".hdr" files.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "model/entry_filter.hpp"
#include "reports/sheet_state.hpp"

namespace loxar {

// One text field of the sheet, in the order of the ".hdr" file.
struct SheetField {
    const char* control;  // tx_TName ...
    int label_index;      // position of its tag label (two fields share TDate and SAntH)
    const char* tooltip;
    FieldKind kind;  // what typing and pasting may put into it
    Text DataSheet::*member;
};

inline constexpr int kSheetFieldCount = 28;
inline constexpr int kSheetTagCount = 26;
inline constexpr int kCategoryListCount = 11;
inline constexpr const char* kEmptyDate = "____-__-__";  // a date field with nothing typed
inline constexpr const char* kSheetFileHeader = "Header records:";

// The 28 text fields in file order: TName, the two dates, PCall ... SAntH above sea level.
const std::array<SheetField, kSheetFieldCount>& sheet_fields();
// The tag label of an index (0 "TName" .. 25 "SAntH"): the EDI header writes these.
Text sheet_tag(int label_index);
// The field of a control name; nothing when the control is not a sheet text field.
const SheetField* find_sheet_field(std::string_view control);

// One category list: its control, the caption shown beside it and the items (index 0 dotted).
struct CategoryList {
    const char* control;
    const char* caption;  // UTF-8
    Combo DataSheet::*member;
    std::vector<Text> items;
};
// The 11 lists in the order of the ".hdr" file.
const std::vector<CategoryList>& category_lists();

// The typed character after the field's filter (cp1250), '\0' when the field refuses it;
// characters typed into other controls pass unchanged.
char adatlap_key_filter(std::string_view control, char typed);

// Everything cleared: text fields and EDI results empty, dates the empty mask, the category
// lists at index 0 except hadx_station_combo; the remark is kept.
void clear_sheet(DataSheet& d);

// The ".hdr" file: header line, 28 field lines, 11 list indexes, each ended by CR LF.
Text sheet_file_text(const DataSheet& d);
// What a ".hdr" file holds; missing index lines read as 0, missing text lines as empty.
struct SheetFile {
    std::array<Text, kSheetFieldCount> texts;
    std::array<long, kCategoryListCount> indexes{};
};
// Nothing when the first line is not exactly the header.
std::optional<SheetFile> parse_sheet_file(const Text& bytes);
// Puts a read file into the sheet; an index its list cannot show leaves that list as it was.
void apply_sheet_file(DataSheet& d, const SheetFile& f);

// Whether loading a sheet is followed by the refresh from the log: the first log date differs
// from the start date, or the last log date equals the end date (dates are the first 10
// characters of the log lines; an empty log has empty dates).
bool sheet_needs_refresh(std::string_view first_log_date, std::string_view last_log_date,
                         std::string_view start_date, std::string_view end_date);

}  // namespace loxar
