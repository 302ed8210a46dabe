// What the callsign handler found out about the station being entered.
#pragma once

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

struct WorkedStation {
    short current_country_index = 0;
    Text current_continent;
    Text current_country_name;
    Text current_oblast_name;
    short current_oblast_index = 0;  // RUDX oblast mark key
    Text qth_label;                  // information label: country, continent, oblast, YL-OM pairs
    ListBox talalt_log_lista;        // earlier QSOs with the station being typed
    // HSKC or SILENT KEY MEM key worked out for the QSO being entered, added to sort_combo when
    // the QSO is added; empty when there is none.
    Text held_multiplier_key;
    // The callsign whose lookups and prefills were last worked out; adding a QSO whose callsign
    // was changed since (Enter right in the callsign field) works them out first.
    Text evaluated_callsign;
};

}  // namespace loxar
