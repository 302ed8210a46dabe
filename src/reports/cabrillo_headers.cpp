// Cabrillo header lines: keyword, colon, blank and the value from the sheet or the window.
#include "reports/cabrillo_headers.hpp"

#include <initializer_list>

namespace loxar {

namespace {

// One header line; lines that are off are left out.
struct Line {
    std::string_view keyword;
    Text value{};
    bool on = true;
};

Text lines(std::initializer_list<Line> list) {
    Text out;
    for (const Line& l : list) {
        if (l.on) out += Text(l.keyword) + l.value + kCrLf;
    }
    return out;
}

constexpr std::string_view kStart3 = "START-OF-LOG: 3.0";
constexpr std::string_view kCreatedBy = "CREATED-BY: Loxar by Tarvik ";

Text name_and_address(const DataSheet& d) {
    return lines({
        {"NAME: ", trim(d.tx_RName)},
        {"ADDRESS: ", trim(d.tx_RAdr1)},
        {"ADDRESS: ", trim(d.tx_RPoCo) + " " + trim(d.tx_RCity)},
        {"ADDRESS: ", trim(d.tx_RCoun)},
    });
}

// The band, power, mode, station and transmitter lines of the Cabrillo 3.0 lists.
Text categories(const DataSheet& d, bool power = true) {
    return lines({
        {"CATEGORY-BAND: ", d.hadx_band_combo.text()},
        {"CATEGORY-POWER: ", d.hadx_power_combo.text(), power},
        {"CATEGORY-MODE: ", d.hadx_mod_combo.text()},
        {"CATEGORY-STATION: ", d.hadx_station_combo.text()},
        {"CATEGORY-TRANSMITTER: ", d.hadx_receiver_combo.text()},
    });
}

}  // namespace

Text standard_header(const ReportSource& src, const StandardHeader& h) {
    const DataSheet& d = src.sheet;
    return lines({
               {kStart3},
               {kCreatedBy},
               {"CONTEST: ", h.contest, h.contest_first},
               {"CALLSIGN: ", trim(d.tx_PCall)},
               {"CATEGORY-OPERATOR: ", d.hadx_operator_combo.text()},
           }) +
           categories(d, h.power) +
           lines({
               {"CLAIMED-SCORE: ", src.total_score},
               {"CLUB: ", d.tx_PClub},
               {"CONTEST: ", h.contest, !h.contest_first},
               {"LOCATION: ", "DX", h.location},
           }) +
           name_and_address(d) +
           lines({
               {"OPERATORS: ", trim(d.tx_RCall)},
               {"ANTENNAS: ", d.tx_SAnte},
               {"TRANCEIVERS: ", d.tx_SRXEq},
           });
}

Text rhob_header(const ReportSource& src) {
    const DataSheet& d = src.sheet;
    return lines({
               {kStart3},
               {kCreatedBy},
               {"CONTEST: ", "RH-OB"},
               {"ARRL-SECTION: ", "DX"},
               {"CALLSIGN: ", src.own_call},
               {"CATEGORY-OPERATOR: ", d.hadx_operator_combo.text()},
               {"CATEGORY-OVERLAY: ", d.rhob_kategoria_combo.text()},
           }) +
           categories(d) + lines({{"CLAIMED-SCORE: ", src.total_score}}) + name_and_address(d) +
           lines({
               {"OPERATORS: ", trim(d.tx_MOpe1), !trim(d.tx_MOpe1).empty()},
               {"OPERATORS: ", trim(d.tx_MOpe2), !trim(d.tx_MOpe2).empty()},
           });
}

Text hadx_header(const ReportSource& src, const Text& contest) {
    const DataSheet& d = src.sheet;
    return lines({
               {kStart3},
               // Spelled "ARLL" in this header: the reports sent so far carry it so.
               {"ARLL-SECTION: ", "DX"},
               {"CALLSIGN: ", trim(d.tx_PCall)},
               {"CLUB: ", d.tx_PClub},
               {"CONTEST: ", contest},
               {"CATEGORY-OPERATOR: ", d.hadx_operator_combo.text()},
           }) +
           categories(d) + lines({{"CLAIMED-SCORE: ", src.total_score}}) + name_and_address(d) +
           lines({{kCreatedBy}});
}

Text qrp_header(const ReportSource& src, const Text& section) {
    const DataSheet& d = src.sheet;
    return lines({
               {kStart3},
               {"ARRL-SECTION: ", section},
               {kCreatedBy},
               {"CALLSIGN: ", trim(d.tx_PCall)},
               {"CLUB: ", trim(d.tx_PClub)},
               {"CONTEST: ", trim(d.tx_TName)},
               {"CATEGORY: ", d.haqrp_kategoria_combo.text()},
               {"CLAIMED-SCORE: ", src.total_score},
               {"OPERATORS: ", trim(d.tx_RCall)},
           }) +
           name_and_address(d) +
           lines({
               {"ANTENNAS: ", d.tx_SAnte},
               {"TRANCEIVERS: ", d.tx_SRXEq},
               {"SOAPBOX: "},
           });
}

Text cqww_header(const ReportSource& src) {
    const DataSheet& d = src.sheet;
    const Text address =
        trim(d.tx_RAdr1) + ", " + trim(d.tx_RCity) + ", " + trim(d.tx_RCoun) + ", " + trim(d.tx_RPoCo);
    return lines({
        {"START-OF-LOG: 2.0"},
        {kCreatedBy},
        {"CALLSIGN: ", trim(d.tx_PCall)},
        {"CONTEST: ", trim(d.tx_TName)},
        {"LOCATION: ", "HA"},
        {"CATEGORY-OPERATOR: ", d.cqww_kategoria_combo.text()},
        {"CATEGORY-BAND: ", d.cqww_band_combo.text()},
        {"CATEGORY-POWER: ", d.cqww_power_combo.text()},
        {"CLAIMED-SCORE: ", trim(d.tx_CToSc)},
        {"OPERATORS: ", trim(d.tx_RCall)},
        {"NAME: ", trim(d.tx_RName)},
        {"ADDRESS: ", address},
        {"ADDRESS: "},
    });
}

}  // namespace loxar
