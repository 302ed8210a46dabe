// The ADIF export in the session: the own station's fields, and the multi-purpose panel's export.
#pragma once

#include "exchange/adif_export.hpp"
#include "session/session.hpp"

namespace loxar {

// The own station as the window's fields hold it.
ExportStation export_station(const Session& s);

// The main "Export" button: the panel with the ADIF text of the log.
void export_rutin(Session& s);
// The panel's "Mentés" button: the list into a chosen ".adi" file.
void export_mentes_Click(Session& s);

void adif_export(Session& s);  // exchange/adif_export: the main "Export" button

}  // namespace loxar
