// The statistics page: the general VHF page and the band-table pages of the HF contests.
#include "statistics/statistics_page.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

#include "database/callsign_db.hpp"
#include "database/oblast_table.hpp"
#include "model/contest_profile.hpp"
#include "model/log_fields.hpp"
#include "rules/claimed_score.hpp"
#include "rules/country_table.hpp"
#include "rules/log_total.hpp"
#include "rules/qso_rules.hpp"

namespace loxar {

namespace {

const std::vector<Text> kHfBands = {"1,8 MHz", "3,5 MHz", "7 MHz", "14 MHz", "21 MHz", "28 MHz"};
// Multiplier lists run on, separated by four blanks; a line is closed once it reaches this width.
constexpr std::size_t kListWidth = 64;
constexpr std::size_t kTop = 10;

// A row value and how it is written.
enum class Format { Five, Three, Plain };
struct Cell {
    long long value = 0;
    Format format = Format::Five;
};

struct BandPage {
    const char* title;
    std::u8string_view split;  // the CW / SSB line, or empty
    std::u8string_view heading;
    const std::vector<Text>* bands;
};

const std::vector<Text> kHadxBands = kHfBands;
const std::vector<Text> kCqwwBands = {"50 MHz", "145 MHz"};
const std::vector<Text> kQrpBands = {"7 MHz"};
const std::vector<Text> kHskcBands = {"3,5 MHz"};

constexpr std::u8string_view kSplit = u8"          CW:     SSB:            Összesen";
constexpr std::u8string_view kRudxSplit = u8"          CW:     SSB:                    Összesen";

BandPage band_page(StatisticsPage p) {
    switch (p) {
        case StatisticsPage::Hadx:
            return {"HA-DX Contest", kSplit, u8"Sáv       QSO     QSO     DXCC    QSO     Pontszám",
                    &kHadxBands};
        case StatisticsPage::CqwwVhf:
            return {"CQWW-VHF Contest", kSplit, u8"Sáv       QSO     QSO     WWL's   QSO     Pontszám",
                    &kCqwwBands};
        case StatisticsPage::HaQrp:
            return {"HA-QRP Contest", {}, u8"Sáv       QSO     DXCC    Pontsz  Összesen", &kQrpBands};
        case StatisticsPage::Rudx:
            return {"Russian DX Contest", kRudxSplit,
                    u8"Sáv       QSO     QSO     DXCC    OBLAST  QSO     Pontszám Szorzó", &kHadxBands};
        case StatisticsPage::Hskc:
            return {"HSKC Contest",
                    {},
                    u8"Sáv       QSO     QRP     QRO     Szorzó  Pontsz  Összesen",
                    &kHskcBands};
        default:
            return {"Silent Key Memorial Contest",
                    {},
                    u8"Sáv       QSO     ITU     SKM     Pontszám",
                    &kHadxBands};
    }
}

Text cell_text(const Cell& c, bool last) {
    switch (c.format) {
        case Format::Plain: return std::to_string(c.value);
        case Format::Three: return zero_pad(c.value, 3) + "     ";
        case Format::Five: break;
    }
    return zero_pad(c.value, 5) + (last ? "    " : "   ");
}

Text row_text(const Text& head, const std::vector<Cell>& cells) {
    Text row = pad_cut(head, 10);
    for (std::size_t i = 0; i < cells.size(); ++i) row += cell_text(cells[i], i + 1 == cells.size());
    return row;
}

// Items separated by four blanks, a new line begun whenever one reaches kListWidth.
void add_wrapped(std::vector<Text>& page, const std::vector<Text>& items) {
    Text line;
    for (const Text& item : items) {
        if (!line.empty()) line += "    ";
        line += item;
        if (line.size() >= kListWidth) {
            page.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty()) page.push_back(std::move(line));
}

long long points_of(const Text& line, LineLayout layout) {
    const Text p = field(line, layout, Field::Points);
    return is_numeric(p) ? int_value(p) : 0;
}

bool at(const Text& line, std::size_t column, std::string_view marker) {
    return col(line, column, marker.size()) == marker;
}

// "003 / Hungary" for each country of the lines, in text order: by count, then by name.
std::vector<Text> country_items(const std::vector<Text>& lines, ContestType type,
                                const CountryLookup& countries) {
    const CountryCount c = count_countries(lines, type, countries, {});
    std::vector<Text> items;
    for (const Text& record : c.records) {
        const auto index = static_cast<std::size_t>(country_index_of(record));
        items.push_back(zero_pad(c.qso_counts[index], 3) + " / " + country_name_of(record));
    }
    std::sort(items.begin(), items.end());
    return items;
}

void general_page(std::vector<Text>& page, const std::vector<Text>& lines, ContestType type,
                  const StatisticsTables& t) {
    const LineLayout g = LineLayout::General;
    long long distance = 0, points = 0;
    std::optional<std::size_t> odx;
    long long odx_points = 0;
    // The ranking has its own list: distance, callsign (19 columns) and locator, so that text
    // order is distance order with ties by callsign.
    std::vector<Text> ranking;
    ranking.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text& line = lines[i];
        const Text d = field(line, g, Field::Distance);
        distance += is_numeric(d) ? int_value(d) : 0;
        const long long p = points_of(line, g);
        points += p;
        if (!odx || p > odx_points) {
            odx = i;
            odx_points = p;
        }
        ranking.push_back(pad_cut(d, 5) + " " + pad_cut(field(line, g, Field::Call), 19) +
                          pad_cut(field(line, g, Field::ReceivedLocator), 6));
    }
    const auto n = static_cast<long long>(lines.size());
    page.push_back("Nr. of QSO's: " + std::to_string(n) + "  Distance: " + std::to_string(distance) +
                   "  Scores: " + std::to_string(points));
    Text odx_line = "ODX: ";
    if (odx) {
        const Text& line = lines[*odx];
        odx_line += pad_cut(field(line, g, Field::Call), 19) + " / " +
                    field(line, g, Field::ReceivedLocator) + " / " + std::to_string(odx_points);
    }
    page.push_back(odx_line);
    const long long per_qso =
        n == 0 ? 0 : std::llround(static_cast<double>(distance) / static_cast<double>(n));
    page.push_back("Km/QSO: " + std::to_string(per_qso));

    page.push_back("Top 10:");
    std::sort(ranking.begin(), ranking.end());
    for (std::size_t k = 0; k < kTop && k < ranking.size(); ++k) {
        const Text& item = ranking[ranking.size() - 1 - k];
        page.push_back("    " + item.substr(6, 19) + "  " + item.substr(0, 5) + "  " + item.substr(25, 6));
    }

    const std::vector<Text> countries = country_items(lines, type, t.countries);
    page.push_back("Nr of DXCC's: " + std::to_string(countries.size()));
    page.insert(page.end(), countries.begin(), countries.end());

    const DistinctValues squares = distinct_squares(lines, {});
    page.push_back("Nr of WWL's: " + std::to_string(squares.sorted.size()));
    std::vector<Text> items;
    for (std::size_t i = 0; i < squares.sorted.size(); ++i) {
        items.push_back(squares.sorted[i] + " / " + zero_pad(squares.counts[i], 3));
    }
    add_wrapped(page, items);
}

// Counts of one band of a band-table page.
struct BandCounts {
    long long cw = 0, ssb = 0, qsos = 0, points = 0, dx = 0, ob = 0, new_countries = 0, a = 0, b = 0,
              multi = 0, itu = 0, sk = 0, squares = 0;
};

BandCounts count_band(const std::vector<Text>& lines, LineLayout layout, StatisticsPage p) {
    BandCounts c;
    std::set<Text> squares;
    for (const Text& line : lines) {
        ++c.qsos;
        const Text mode = field_trimmed(line, layout, Field::Mode);
        c.cw += mode == "CW";
        c.ssb += mode == "SSB";
        if (p == StatisticsPage::HaQrp) {
            c.points += int_value(field(line, layout, Field::Points));
            c.new_countries += field(line, layout, Field::CountryMarker) == "N";
            continue;
        }
        c.points += points_of(line, layout);
        c.dx += at(line, 75, "DX");
        c.ob += at(line, 78, "OB");
        c.itu += at(line, 75, "IT");
        c.sk += at(line, 78, "SK");
        c.multi += at(line, 75, "M");
        const Text category = col(field(line, layout, Field::ReceivedSerial), 4, 1);
        c.a += category == "A";
        c.b += category == "B";
        if (p == StatisticsPage::CqwwVhf)
            squares.insert(col(field(line, layout, Field::ReceivedLocator), 1, 4));
    }
    c.squares = static_cast<long long>(squares.size());
    return c;
}

std::vector<Cell> row_cells(const BandCounts& c, StatisticsPage p) {
    switch (p) {
        case StatisticsPage::Hadx: return {{c.cw}, {c.ssb}, {c.dx}, {c.qsos}, {c.points}};
        case StatisticsPage::CqwwVhf:
            return {{c.cw}, {c.ssb}, {c.squares, Format::Three}, {c.qsos}, {c.points}};
        case StatisticsPage::HaQrp:
            return {{c.qsos}, {c.new_countries}, {c.points}, {c.points * c.new_countries, Format::Plain}};
        case StatisticsPage::Rudx:
            return {{c.cw}, {c.ssb}, {c.dx}, {c.ob}, {c.qsos}, {c.points}, {c.dx + c.ob}};
        case StatisticsPage::Hskc:
            return {{c.qsos}, {c.a}, {c.b}, {c.multi}, {c.points}, {c.points * c.multi}};
        default: return {{c.qsos}, {c.itu}, {c.sk}, {c.points}};
    }
}

// The oblasts of the lines: "002 / MA Moscow", by the code in the received serial.
std::vector<Text> oblast_items(const std::vector<Text>& lines, const std::vector<Text>& oblasts) {
    std::map<Text, Text> names;
    for (const Text& entry : oblasts) {
        const Text code = trim(col(entry, oblast_col::kExchange, oblast_col::kExchangeWidth));
        if (!code.empty() && !names.contains(code)) {
            names[code] = trim(col(entry, oblast_col::kName, oblast_col::kNameWidth));
        }
    }
    std::map<Text, long long> counts;
    for (const Text& line : lines) {
        const Text code = field_trimmed(line, LineLayout::General, Field::ReceivedSerial);
        if (names.contains(code)) ++counts[code];
    }
    std::vector<Text> items;
    for (const auto& [code, n] : counts) items.push_back(zero_pad(n, 3) + " / " + code + " " + names[code]);
    std::sort(items.begin(), items.end());
    return items;
}

// A remembered callsign holds both digits and other characters, as the evaluation requires.
bool callsign_like(const Text& s) {
    const bool digit = std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool other = std::any_of(s.begin(), s.end(), [](char c) { return c < '0' || c > '9'; });
    return digit && other;
}

void band_table_page(std::vector<Text>& page, const std::vector<Text>& lines, ContestType type,
                     StatisticsPage p, const StatisticsTables& t) {
    const BandPage bp = band_page(p);
    const LineLayout layout = layout_of(type);
    page.push_back(bp.title);
    if (!bp.split.empty()) page.push_back(hu(bp.split));
    page.push_back(hu(bp.heading));

    std::vector<Text> counted;  // the lines of the listed bands, for the multiplier lists
    std::vector<std::vector<Text>> per_band;
    std::vector<Cell> totals;
    for (const Text& band : *bp.bands) {
        std::vector<Text> band_lines;
        for (const Text& line : lines) {
            if (field_trimmed(line, layout, Field::Band) == band) band_lines.push_back(line);
        }
        const BandCounts c = count_band(band_lines, layout, p);
        const std::vector<Cell> cells = row_cells(c, p);
        page.push_back(row_text(band, cells));
        if (totals.empty())
            totals = cells;
        else
            for (std::size_t i = 0; i < cells.size(); ++i) totals[i].value += cells[i].value;
        counted.insert(counted.end(), band_lines.begin(), band_lines.end());
        per_band.push_back(std::move(band_lines));
    }
    Text total_row = row_text("=====", totals);
    if (p == StatisticsPage::CqwwVhf) {
        // The score the report claims, not a product of the rows: squares count once over both
        // bands there, and lines marked duplicate bring none.
        const auto claimed = cqww_claimed_total(log_total(lines, type).total, lines, t.multipliers);
        total_row += "      =" + (claimed ? std::to_string(*claimed) : Text());
    }
    page.push_back(total_row);
    page.push_back(" ");

    switch (p) {
        case StatisticsPage::Hadx:
        case StatisticsPage::HaQrp:
        case StatisticsPage::Rudx:
            page.push_back(hu(u8"    DXCC körzetek"));
            add_wrapped(page, country_items(counted, type, t.countries));
            if (p == StatisticsPage::Rudx) {
                page.push_back("    Oblast-ok");
                add_wrapped(page, oblast_items(counted, t.oblasts));
            }
            break;
        case StatisticsPage::SilentKeyMem: {
            std::set<long long> zones;
            std::set<Text> calls;
            for (const Text& line : counted) {
                const Text zone = field_trimmed(line, layout, Field::ReceivedZone);
                if (is_numeric(zone)) zones.insert(int_value(zone));
                const Text call = field_trimmed(line, layout, Field::ReceivedSerial);
                if (callsign_like(call)) calls.insert(call);
            }
            page.push_back(hu(u8"    ITU körzetek"));
            std::vector<Text> items;
            for (long long z : zones) items.push_back(zero_pad(z, 2));
            add_wrapped(page, items);
            page.push_back("    Memorial Callsign(s)");
            add_wrapped(page, {calls.begin(), calls.end()});
            break;
        }
        case StatisticsPage::CqwwVhf:
            for (const std::vector<Text>& band_lines : per_band) {
                page.push_back(" ");
                page.push_back(hu(u8"    QRA kockák"));
                add_wrapped(page, distinct_squares(band_lines, {}).sorted);
            }
            break;
        case StatisticsPage::Hskc: {
            std::set<Text> keys;
            for (const Text& line : counted) {
                if (at(line, 75, "M"))
                    keys.insert(hskc_key(hivojel_kereses(field_trimmed(line, layout, Field::Call))));
            }
            page.push_back(hu(u8"Szorzó(k)"));
            add_wrapped(page, {keys.begin(), keys.end()});
            break;
        }
        default: break;
    }
}

}  // namespace

std::vector<Text> statistics_page(const std::vector<Text>& lines, ContestType type,
                                  const StatisticsTables& tables) {
    std::vector<Text> page;
    const StatisticsPage p = contest_profile(type).statistics_page;
    if (p == StatisticsPage::None) return page;
    if (p == StatisticsPage::Vhf)
        general_page(page, lines, type, tables);
    else
        band_table_page(page, lines, type, p, tables);
    return page;
}

}  // namespace loxar
