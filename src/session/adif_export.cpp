// The ADIF export of the session's log: the own station's fields, the panel and its save.
#include "session/adif_export.hpp"

#include "session/list_save.hpp"
#include "session/vegyes_panel.hpp"

namespace loxar {

ExportStation export_station(const Session& s) {
    return {s.station.hivojel_text, s.qso.kezelo_text, s.qso.qth_text, s.station.QRA_text};
}

void export_rutin(Session& s) {
    vegyes_panel_mutatas(s, "Export => ADIF", {u8"Mentés"}, false);
    ListBox& list = s.vegyes.vegyes_lista[0];
    list.clear();
    // An empty log gives an empty list, so that the save says there is nothing to save.
    if (!s.log_lista.empty()) {
        for (Text& l : adif_export_lines(s.log_lista.items(), s.contest(), export_station(s))) {
            list.add(std::move(l));
        }
    }
    s.vegyes.vegyes_valaszto = 0;
    s.panel_mode = PanelTask::Export;
    s.ui().refresh(Aspect::Panels | Aspect::Vegyes);
}

void export_mentes_Click(Session& s) {
    if (s.panel_mode != PanelTask::Export) return;
    lista_mentes(s, s.vegyes.vegyes_lista[0].items(), s.paths.import_export_dir, "adi", false);
}

void adif_export(Session& s) {
    export_rutin(s);
}

}  // namespace loxar
