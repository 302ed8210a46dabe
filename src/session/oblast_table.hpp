// Loading the Russian oblast table into the session and looking a callsign up in it.
#pragma once

#include "database/oblast_table.hpp"

namespace loxar {

struct Session;

// Loads SYSTEM/RU_oblast.txt into exchange_lista; returns (and keeps in ru_exchange_status) the
// status text for the window's label.
Text ru_exchange_toltes(Session& s);
// The oblast entry of a callsign from exchange_lista (see oblast_lookup).
Text ru_exchange_kereses(const Session& s, const Text& hivojel);

}  // namespace loxar
