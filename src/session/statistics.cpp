// The statistics page on the session: the panel, the chart's and the map's numbers, the saves.
#include "session/statistics.hpp"

#include "model/file_io.hpp"
#include "reports/result_fields.hpp"
#include "session/list_save.hpp"
#include "session/questions.hpp"
#include "session/vegyes_panel.hpp"

namespace loxar {

namespace {

void caption_map_button(Session& s) {
    s.view[Control::vegyes_cmd_1].caption = hu(s.statistics.map_shown ? u8"Táblázat" : u8"Térkép");
}

}  // namespace

void statisztika_cmd_Click(Session& s) {
    vegyes_panel_mutatas(s, "Statisztika", {u8"Mentés", u8"Térkép"}, false);
    s.vegyes.vegyes_valaszto = 0;
    s.panel_mode = PanelTask::Statistics;
    ListBox& list = s.vegyes.vegyes_lista[0];
    list.clear();
    const ContestType type = s.contest();
    if (type == ContestType::Dx) s.ui().beep();
    const StatisticsTables tables{s.countries ? *s.countries : Session::kNoCountries,
                                  s.db.exchange_lista.items(), result_multipliers(s.sheet)};
    for (Text& line : statistics_page(s.log_lista.items(), type, tables)) list.add(std::move(line));
    const std::uint64_t page = s.statistics.page;
    s.statistics = statistics_state(s.log_lista.items(), type);
    s.statistics.page = page + 1;
    s.statistics.map = map_data(s.log_lista.items(), layout_of(type), s.station.QRA_text);
    caption_map_button(s);
    s.ui().refresh(Aspect::Panels | Aspect::Vegyes | Aspect::Statistics);
}

void statisztika_mentes_Click(Session& s) {
    if (s.panel_mode != PanelTask::Statistics) return;
    lista_mentes(s, s.vegyes.vegyes_lista[0].items(), s.paths.temp_dir, "lst", true);
}

void statisztika_terkep_Click(Session& s) {
    if (s.panel_mode != PanelTask::Statistics) return;
    s.statistics.map_shown = !s.statistics.map_shown;
    caption_map_button(s);
    s.ui().refresh(Aspect::Vegyes | Aspect::Statistics);
}

void terkep_mentes(Session& s, const Text& png, const Text& svg) {
    const MapData& map = s.statistics.map;
    if (map.qsos.empty() && map.squares.empty()) {
        alert(s, hu(u8"Nincs mit menteni!"));
        return;
    }
    s.dialog.chooser_directory = text_path(s.paths.temp_dir);
    s.dialog.chooser_extension = "png";
    s.dialog.chooser_mode = ChooserMode::Save;
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    std::filesystem::path picture = fs_path(s.dialog.chosen_path);
    std::filesystem::path drawing = picture;
    drawing.replace_extension(".svg");
    // The picture first: a failed drawing leaves the picture the operator asked for in place.
    for (const auto& [path, bytes] : {std::pair{picture, &png}, {drawing, &svg}}) {
        if (!write_file_atomic(path, *bytes)) {
            report_not_saved(s, path);
            return;
        }
    }
    s.ui().message(hu(u8"Elmentve!"));
}

}  // namespace loxar
