// The country table on the session: its load, its country list, the worked flags, the EDI count.
#include "session/country_table.hpp"

#include "model/file_io.hpp"
#include "session/questions.hpp"

namespace loxar {

Text dxcc_kereses(const Session& s, const Text& callsign) {
    return s.countries ? s.countries->dxcc_kereses(callsign) : no_country_record();
}

void dxcc_tabla_betoltes(Session& s) {
    const auto path = s.paths.system_dir / kCountryFile;
    CountryFileContents contents = load_country_file(path);
    auto table = std::make_shared<const CountryTable>(contents.records);
    s.country_table = table;
    s.countries = table.get();
    if (!contents.problems.empty()) {
        alert(s, country_problems_message(text_path(path), contents));
    }
}

void dxcc_lista_toltes(Session& s) {
    // Copies of the session may share the loaded table, so the list goes into a fresh copy.
    auto table =
        s.country_table ? std::make_shared<CountryTable>(*s.country_table) : std::make_shared<CountryTable>();
    table->dxcc_lista_toltes();
    s.country_table = table;
    s.countries = table.get();
}

void dxcc_vektor_feltoltes(Session& s) {
    s.score.country_worked.assign(kCountrySlots, 0);
    const ContestType type = s.contest();
    for (const Text& line : s.log_lista.items()) {
        const int index = country_index_of(dxcc_kereses(s, logged_callsign(line, type)));
        if (index > 0 && static_cast<std::size_t>(index) < s.score.country_worked.size()) {
            s.score.country_worked[static_cast<std::size_t>(index)] = 1;
        }
    }
}

void dxcc_osszeszamlalas(Session& s) {
    const ContestType type = s.contest();
    const std::size_t lines = s.log_lista.size();
    CountryCount c =
        count_countries(s.log_lista.items(), type, s.countries ? *s.countries : Session::kNoCountries,
                        s.score.duplicate_flags);
    s.score.country_qso_counts = std::move(c.qso_counts);
    s.score.edi_dxcc_combo = {};
    s.score.edi_dxcc_combo.items = std::move(c.records);
    s.score.distinct_country_count = static_cast<long>(s.score.edi_dxcc_combo.items.size());
    if (s.score.new_country_flags.size() < lines) s.score.new_country_flags.resize(lines, 0);
    for (std::size_t i = 0; i < lines; ++i) {
        if (c.new_flags[i]) s.score.new_country_flags[i] = 1;
    }
    // One box for all unknown callsigns: a log without a country file would otherwise raise one
    // box per QSO.
    const std::vector<Text>& unknown = c.unknown;

    s.sheet.tx_CDXCs = std::to_string(s.score.distinct_country_count);
    if (!s.score.edi_dxcc_combo.items.empty()) s.score.edi_dxcc_combo.set(0);
    if (type == ContestType::HaQrp) s.qso.tavolsag_text = std::to_string(s.score.distinct_country_count);

    if (!unknown.empty()) {
        constexpr std::size_t kShown = 10;
        Text m;
        for (std::size_t i = 0; i < unknown.size() && i < kShown; ++i) {
            if (i > 0) m += kCrLf;
            m += "Unknown DXCC: " + unknown[i];
        }
        if (unknown.size() > kShown) {
            m += kCrLf + hu(u8"... és még ") + std::to_string(unknown.size() - kShown) +
                 hu(u8" ismeretlen hívójel.");
        }
        alert(s, m);
    }
}

}  // namespace loxar
