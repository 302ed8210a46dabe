// Restoring a log line into the entry fields for editing.
#pragma once

#include <optional>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

struct Session;

// The values a line gives back, trimmed; fields a layout does not hold are left empty.
struct RestoredQso {
    Text log_ido;  // not trimmed
    Text kapott_hivojel_text;
    Text kapott_riport_text;
    Text kapott_sorszam_text;
    std::optional<Text> kapott_QRA_text;
    std::optional<Text> kapott_nev_text;
    Text kuldott_riport_text;
    Text kuldott_sorszam_text;
    std::optional<Text> kuldott_nev_text;
    std::optional<Text> hivojel_2_text;
    Text edit_sorszam_text;
    std::optional<Text> tavolsag_text;
    std::optional<Text> pontszam_text;
    Text mode;                           // the 3-character mode field, trimmed
    std::optional<char> received_sex;    // 'N', 'F' or anything else
    std::optional<char> country_marker;  // QRP new-country marker
    std::optional<Text> itu_zone;        // SKM received ITU zone
    Text band_field;                     // 7 characters, as in the line
};

// The check column of the layout holds "="; a line too short to have it fails.
bool layout_matches(const Text& line, LineLayout layout);
RestoredQso restore_fields(const Text& line, LineLayout layout);

// Loads the first selected line of log_lista into the entry fields and enters edit mode.
void qso_sor_visszatoltes(Session& s);

}  // namespace loxar
