// The callsign database during QSO entry: loading, lookup, as-you-type selection and the locator list.
#pragma once

#include <filesystem>
#include <optional>

#include "database/db_lookup.hpp"
#include "session/session.hpp"

namespace loxar {

// Loads a database file into qra_sort_lista, replacing its contents. A missing file leaves the list
// empty without a message; database_loaded becomes true when a file was read.
void adatbazis_beolvasas(Session& s, const std::filesystem::path& nev);
// The "Beolvasás" button: the operator picks a database file in SYSTEM and it is loaded.
// Lookups stay off (database_loaded false) when the choice is cancelled.
void qra_read_cmd_Click(Session& s);
// Looks the received callsign up and fills the received fields by the contest type.
void allomas_adat_kereses(Session& s);

// As-you-type selection (after every change of the callsign field): the first record holding the
// trimmed field text becomes current; nothing changes when no record holds it.
void database_select_typed(Session& s);
// Insert in the callsign field: when the current record holds the trimmed field text, the field gets
// the record's callsign and the lookup runs. Returns the completed callsign (the key is swallowed);
// nothing when the key is left to the field.
std::optional<Text> database_insert_completion(Session& s);

// The "QRA &Lista" button: the focus goes to the locator list.
void qra_lista_cmd_Click(Session& s);
// Double click on a locator: it is copied into the received-locator field.
void qra_lista_DblClick(Session& s, long index);
// Enter in the locator list: the selected locator goes into the received-locator field, which gets
// the focus with its text selected. Returns true: the key is swallowed.
bool qra_lista_enter(Session& s);

void qra_adatbazis_betoltes(Session& s, const std::filesystem::path& file);  // callsign database

}  // namespace loxar
