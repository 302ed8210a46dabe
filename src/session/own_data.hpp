// The operator's own data in the session: its fields as the "sajat_adat.txt" file keeps them.
#pragma once

#include "reports/own_data.hpp"
#include "session/session.hpp"

namespace loxar {

// The session's own data as the file stores it.
OwnData own_data_of(const Session& s);
// Puts the first `count` values (file order) into the session's fields.
void apply_own_data(Session& s, const OwnData& d, int count);

void sajat_adat_beolvasas(Session& s);  // own station data
void sajat_adat_mentes(Session& s);
[[nodiscard]] bool sajat_adat_iras(Session& s);  // the same without a message; false when not written
short sajat_adat_vizsgalat(Session& s);          // error bits, 0 when all is well

}  // namespace loxar
