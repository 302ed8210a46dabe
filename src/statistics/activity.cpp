// QSOs per hour, run rates and the distance histogram, from the log lines alone.
#include "statistics/activity.hpp"

#include <algorithm>
#include <map>

#include "model/contest_profile.hpp"
#include "model/log_fields.hpp"
#include "rules/qso_rules.hpp"

namespace loxar {

namespace {

constexpr long long kHour = 3600;
// Logs spanning more than a month (merged logs, a wrong clock) list only the hours with QSOs.
constexpr long long kMaxSpanHours = 24 * 31;

bool digits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Days since 1970-01-01 of a Gregorian date.
long long days_from_civil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(long long z, long long& y, long long& m, long long& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

Text hour_text(long long hour_index) {
    long long y = 0, m = 0, d = 0;
    const long long days = hour_index >= 0 ? hour_index / 24 : (hour_index - 23) / 24;
    civil_from_days(days, y, m, d);
    return zero_pad(y, 4) + "-" + zero_pad(m, 2) + "-" + zero_pad(d, 2) + " " +
           zero_pad(hour_index - days * 24, 2) + ":00";
}

// Band names like "1,8 MHz" hold the separator, so such a field is quoted.
Text csv_field(const Text& v) {
    return v.find_first_of(",\"") == Text::npos ? v : "\"" + v + "\"";
}

}  // namespace

std::optional<long long> line_seconds(const Text& line, LineLayout layout) {
    const Text date = field(line, layout, Field::Date);
    const Text time = field(line, layout, Field::Time);
    if (date.size() != 10 || time.size() != 8 || date[4] != '-' || date[7] != '-' || time[2] != ':' ||
        time[5] != ':') {
        return std::nullopt;
    }
    const std::string_view ds(date), ts(time);
    for (std::string_view part : {ds.substr(0, 4), ds.substr(5, 2), ds.substr(8, 2), ts.substr(0, 2),
                                  ts.substr(3, 2), ts.substr(6, 2)}) {
        if (!digits(part)) return std::nullopt;
    }
    const long long y = int_value(ds.substr(0, 4)), mo = int_value(ds.substr(5, 2)),
                    d = int_value(ds.substr(8, 2)), h = int_value(ts.substr(0, 2)),
                    mi = int_value(ts.substr(3, 2)), se = int_value(ts.substr(6, 2));
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || se > 59) return std::nullopt;
    return days_from_civil(y, mo, d) * 86400 + h * kHour + mi * 60 + se;
}

HourlyCounts qsos_per_hour(const std::vector<Text>& lines, LineLayout layout) {
    // Band index first, so that the bands come in band-table order; frequencies in kHz fall into
    // their band's place.
    std::map<std::pair<int, Text>, std::size_t> band_of;
    std::map<long long, std::map<std::pair<int, Text>, long>> per_hour;
    for (const Text& line : lines) {
        const std::optional<long long> t = line_seconds(line, layout);
        if (!t) continue;
        const Text band_field = field(line, layout, Field::Band);
        const std::pair<int, Text> band{line_band_index(band_field), trim(band_field)};
        band_of.emplace(band, 0);
        const long long hour = *t >= 0 ? *t / kHour : (*t - kHour + 1) / kHour;
        ++per_hour[hour][band];
    }
    HourlyCounts h;
    if (per_hour.empty()) return h;
    for (auto& [band, index] : band_of) {
        index = h.bands.size();
        h.bands.push_back(band.second);
    }
    std::vector<long long> hours;
    const long long first = per_hour.begin()->first, last = per_hour.rbegin()->first;
    if (last - first <= kMaxSpanHours) {
        for (long long x = first; x <= last; ++x) hours.push_back(x);
    } else {
        for (const auto& entry : per_hour) hours.push_back(entry.first);
    }
    for (long long x : hours) {
        h.hours.push_back(hour_text(x));
        std::vector<long> row(h.bands.size(), 0);
        if (auto it = per_hour.find(x); it != per_hour.end()) {
            for (const auto& [band, n] : it->second) row[band_of[band]] = n;
        }
        h.counts.push_back(std::move(row));
    }
    return h;
}

RunRates run_rates(const std::vector<Text>& lines, LineLayout layout) {
    std::vector<long long> times;
    times.reserve(lines.size());
    for (const Text& line : lines) {
        if (const auto t = line_seconds(line, layout)) times.push_back(*t);
    }
    RunRates r;
    if (times.empty()) return r;
    const long long latest = *std::max_element(times.begin(), times.end());
    long in_10 = 0, in_60 = 0;
    for (long long t : times) {
        if (t > latest - 10 * 60) ++in_10;
        if (t > latest - 60 * 60) ++in_60;
    }
    r.last_10_min = in_10 * 6;
    r.last_60_min = in_60;
    return r;
}

bool has_distance_histogram(ContestType type) {
    const StatisticsPage page = contest_profile(type).statistics_page;
    return page == StatisticsPage::Vhf || page == StatisticsPage::CqwwVhf;
}

std::vector<long> distance_histogram(const std::vector<Text>& lines) {
    std::vector<long> bins(kDistanceBins, 0);
    for (const Text& line : lines) {
        const Text distance = field(line, LineLayout::General, Field::Distance);
        if (!is_numeric(distance)) continue;
        const long long km = std::max(0LL, int_value(distance));
        const auto bin = static_cast<std::size_t>(
            std::min<long long>(km / kDistanceBinKm, static_cast<long long>(kDistanceBins) - 1));
        ++bins[bin];
    }
    return bins;
}

Text hourly_csv(const HourlyCounts& h) {
    Text out = "hour,band,count\n";
    for (std::size_t i = 0; i < h.hours.size(); ++i) {
        for (std::size_t b = 0; b < h.bands.size(); ++b) {
            out += h.hours[i] + "," + csv_field(h.bands[b]) + "," + std::to_string(h.counts[i][b]) + "\n";
        }
    }
    return out;
}

}  // namespace loxar
