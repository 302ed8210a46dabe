// The log-line builders: one fixed-column line per QSO, in the layout of the contest type.
#pragma once

#include <optional>
#include <vector>

#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "model/log_fields.hpp"
#include "model/qso_record.hpp"
#include "text/text.hpp"

namespace loxar {

// Line lengths of the layouts; QRP and NMARK lines go on with the own QTH after this.
inline constexpr std::size_t kGeneralLineLength = 115;
inline constexpr std::size_t kQrpLineLength = 115;
inline constexpr std::size_t kSkmLineLength = 118;
inline constexpr std::size_t kNmarkLineLength = 115;
inline constexpr std::size_t kSwlLineLength = 101;

// Column widths of the entry fields in a layout; 0 where the layout writes no column for one.
// The builders cut by these, and the window lets no more be typed.
struct EntryWidths {
    std::size_t call = 0, report = 0, serial = 0, locator = 0, name = 0, sent_report = 0, sent_serial = 0,
                own_name = 0, call2 = 0;
};
// Taken from the layout tables, so that the window and the builders agree with the readers.
inline constexpr EntryWidths kGeneralWidths{.call = field_width(kGeneralFields, Field::Call),
                                            .report = field_width(kGeneralFields, Field::ReceivedReport),
                                            .serial = field_width(kGeneralFields, Field::ReceivedSerial),
                                            .locator = field_width(kGeneralFields, Field::ReceivedLocator),
                                            .name = field_width(kGeneralFields, Field::ReceivedName),
                                            .sent_report = field_width(kGeneralFields, Field::SentReport),
                                            .sent_serial = field_width(kGeneralFields, Field::SentSerial)};
// The received serial field holds the received QTH here.
inline constexpr EntryWidths kQrpWidths{.call = field_width(kQrpFields, Field::Call),
                                        .report = field_width(kQrpFields, Field::ReceivedReport),
                                        .serial = field_width(kQrpFields, Field::ReceivedQth),
                                        .name = field_width(kQrpFields, Field::ReceivedName),
                                        .sent_report = field_width(kQrpFields, Field::SentReport),
                                        .own_name = field_width(kQrpFields, Field::OwnName)};
// The locator field holds the received ITU zone.
inline constexpr EntryWidths kSkmWidths{.call = field_width(kSkmFields, Field::Call),
                                        .report = field_width(kSkmFields, Field::ReceivedReport),
                                        .serial = field_width(kSkmFields, Field::ReceivedSerial),
                                        .locator = field_width(kSkmFields, Field::ReceivedZone),
                                        .sent_report = field_width(kSkmFields, Field::SentReport),
                                        .sent_serial = field_width(kSkmFields, Field::SentSerial),
                                        .own_name = field_width(kSkmFields, Field::OwnName)};
inline constexpr EntryWidths kNmarkWidths{.call = field_width(kNmarkFields, Field::Call),
                                          .report = field_width(kNmarkFields, Field::ReceivedReport),
                                          .serial = field_width(kNmarkFields, Field::ReceivedQth),
                                          .name = field_width(kNmarkFields, Field::ReceivedName),
                                          .sent_report = field_width(kNmarkFields, Field::SentReport),
                                          .own_name = field_width(kNmarkFields, Field::OwnName)};
inline constexpr EntryWidths kSwlWidths{.call = field_width(kSwlFields, Field::Call),
                                        .report = field_width(kSwlFields, Field::ReceivedReport),
                                        .serial = field_width(kSwlFields, Field::ReceivedSerial),
                                        .sent_report = field_width(kSwlFields, Field::SentReport),
                                        .sent_serial = field_width(kSwlFields, Field::SentSerial),
                                        .call2 = field_width(kSwlFields, Field::Call2)};
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
char new_country_marker(const Text& callsign, const CountryLookup& countries, std::vector<char>& worked);

// Encodings shared with the other readers and writers of lines.
// A report: numeric entries as 3 digits ("59" -> "059"), anything else trimmed.
Text encode_report(const Text& entry);
// Integer value of a numeric entry with leading zeros to `digits`; other text gives nothing.
std::optional<Text> zero_padded_number(const Text& entry, std::size_t digits);
// HSKC serial: leading digits as 3 digits, then the category character or "-" ("15B" -> "015B").
Text encode_hskc_serial(const Text& entry);

}  // namespace loxar
