// The operator's own data in the session: its fields as the "sajat_adat.txt" file keeps them.
#pragma once

#include "reports/own_data.hpp"
#include "session/session.hpp"
#include "session/subsystems.hpp"  // sajat_adat_beolvasas, sajat_adat_mentes, sajat_adat_vizsgalat

namespace loxar {

// The session's own data as the file stores it.
OwnData own_data_of(const Session& s);
// Puts the first `count` values (file order) into the session's fields.
void apply_own_data(Session& s, const OwnData& d, int count);

}  // namespace loxar
