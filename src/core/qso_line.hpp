// The log-line builders: one fixed-column line per QSO, in the layout of the contest type.
#pragma once

#include <optional>
#include <vector>

#include "core/contest_types.hpp"
#include "core/country_lookup.hpp"
#include "core/qso_record.hpp"
#include "text/text.hpp"

namespace loxar {

struct Session;

// Line lengths of the layouts; QRP and NMARK lines go on with the own QTH after this.
inline constexpr std::size_t kGeneralLineLength = 115;
inline constexpr std::size_t kQrpLineLength = 115;
inline constexpr std::size_t kSkmLineLength = 118;
inline constexpr std::size_t kNmarkLineLength = 115;
inline constexpr std::size_t kSwlLineLength = 101;

// Column widths of the entry fields in a layout; 0 where the layout writes no column for one.
// The builders cut by these, and the window lets no more be typed.
struct EntryWidths {
    std::size_t call = 0, report = 0, serial = 0, locator = 0, name = 0, sent_report = 0,
                sent_serial = 0, own_name = 0, call2 = 0;
};
inline constexpr EntryWidths kGeneralWidths{.call = 20, .report = 3, .serial = 4, .locator = 6, .name = 14,
                                            .sent_report = 3, .sent_serial = 4};
// The received serial field holds the received QTH here.
inline constexpr EntryWidths kQrpWidths{.call = 16, .report = 3, .serial = 21, .name = 14, .sent_report = 3,
                                        .own_name = 10};
// The locator field holds the received ITU zone.
inline constexpr EntryWidths kSkmWidths{.call = 13, .report = 3, .serial = 13, .locator = 2, .sent_report = 3,
                                        .sent_serial = 13, .own_name = 14};
inline constexpr EntryWidths kNmarkWidths{.call = 12, .report = 3, .serial = 21, .name = 14, .sent_report = 3,
                                          .own_name = 10};
inline constexpr EntryWidths kSwlWidths{.call = 17, .report = 3, .serial = 8, .sent_report = 3, .sent_serial = 8,
                                        .call2 = 17};
const EntryWidths& entry_widths(LineLayout layout);

// Written for a missing received locator.
inline const Text kNoLocator = "AA00AA";

// `funkcio` 1: a new QSO (number from log_sorszam_text); 2: an edited QSO being rewritten
// (number from edit_sorszam_text).
inline constexpr short kFunkcioNew = 1;
inline constexpr short kFunkcioRewrite = 2;

// General layout. Sets r.kapott_QRA_text to "AA00AA" when empty and, for HSKC, r.pontszam_text.
Text log_sor_osszeallitas(QsoRecord& r, ContestType type, short& funkcio);
// HA-QRP and DX; the new-country marker is decided by the caller.
Text QRP_sor_osszeallitas(QsoRecord& r, short& funkcio, char new_country_marker);
// SILENT KEY MEM. The ITU zone sits in the locator field; a restore puts "AA00AA" there, so a
// rewrite (funkcio 2) that still finds "AA00AA" writes `restored_itu_zone` instead.
Text SKM_sor_osszeallitas(QsoRecord& r, short& funkcio, const Text& restored_itu_zone = {});
Text NMARK_sor_osszeallitas(QsoRecord& r, short& funkcio);
Text SWL_log_sor_osszeallitas(QsoRecord& r, short& funkcio);

// "N" for the first QSO with the callsign's country (and marks it worked), "-" after that.
char new_country_marker(const Text& callsign, const CountryLookup& countries,
                        std::vector<char>& worked);

// The line of the session's QSO record in the layout of the selected contest type.
Text build_log_line(Session& s, short& funkcio);

// Encodings shared with the other readers and writers of lines.
// A report: numeric entries as 3 digits ("59" -> "059"), anything else trimmed.
Text encode_report(const Text& entry);
// Integer value of a numeric entry with leading zeros to `digits`; other text gives nothing.
std::optional<Text> zero_padded_number(const Text& entry, std::size_t digits);
// HSKC serial: leading digits as 3 digits, then the category character or "-" ("15B" -> "015B").
Text encode_hskc_serial(const Text& entry);

}  // namespace loxar
