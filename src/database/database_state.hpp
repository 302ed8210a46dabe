// The callsign database and the Russian oblast table as the window uses them.
#pragma once

#include "database/callsign_db.hpp"
#include "database/qra_list.hpp"
#include "database/summary_viewer.hpp"
#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

struct DatabaseState {
    CallsignDb qra_sort_lista;     // the database list; its current record is what the window shows
    bool database_loaded = false;  // lookups are off while false
    ListBox qra_lista;             // locators of the station found last
    ListBox exchange_lista;        // entries of the oblast table
    Text ru_exchange_status;       // status of the last oblast table load, for a label
    QraListPanel qra_list_panel;   // "Hívójel lista": the working list and its entry fields
    SummaryPanel summary_panel;    // "Összesítő"
};

}  // namespace loxar
