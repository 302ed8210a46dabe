// The statistics page on the session: the panel, the chart's numbers, the save.
#include "session/statistics.hpp"

#include "model/file_io.hpp"
#include "reports/result_fields.hpp"
#include "session/list_save.hpp"
#include "session/vegyes_panel.hpp"

namespace loxar {

void statisztika_cmd_Click(Session& s) {
    vegyes_panel_mutatas(s, "Statisztika", {u8"Mentés"}, false);
    s.vegyes.vegyes_valaszto = 0;
    s.panel_mode = PanelTask::Statistics;
    ListBox& list = s.vegyes.vegyes_lista[0];
    list.clear();
    const ContestType type = s.contest();
    if (type == ContestType::Dx) s.ui().beep();
    const StatisticsTables tables{s.countries ? *s.countries : Session::kNoCountries,
                                  s.db.exchange_lista.items(), result_multipliers(s.sheet)};
    for (Text& line : statistics_page(s.log_lista.items(), type, tables)) list.add(std::move(line));
    s.statistics = statistics_state(s.log_lista.items(), type);
    s.ui().refresh(Aspect::Panels | Aspect::Vegyes | Aspect::Statistics);
}

void statisztika_mentes_Click(Session& s) {
    if (s.panel_mode != PanelTask::Statistics) return;
    lista_mentes(s, s.vegyes.vegyes_lista[0].items(), s.paths.temp_dir, "lst", true);
}

}  // namespace loxar
