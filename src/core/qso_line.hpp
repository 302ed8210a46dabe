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
