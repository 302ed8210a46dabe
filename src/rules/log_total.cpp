// Totals by contest type, from the columns of the log lines.
#include "rules/log_total.hpp"

#include "model/log_fields.hpp"

namespace loxar {

namespace {

using T = ContestType;

// Points of a general or SKM line (the same columns in both); nothing when they are not a number.
std::optional<long long> line_points(const Text& line) {
    const Text points = field(line, LineLayout::General, Field::Points);
    if (!is_numeric(points)) return std::nullopt;
    return int_value(points);
}

long long points_sum(const std::vector<Text>& lines) {
    long long sum = 0;
    for (const Text& line : lines) sum += line_points(line).value_or(0);
    return sum;
}

long long count_if_column(const std::vector<Text>& lines, std::size_t column, const Text& text) {
    long long n = 0;
    for (const Text& line : lines) n += col(line, column, text.size()) == text ? 1 : 0;
    return n;
}

Text num(long long n) {
    return std::to_string(n);
}

void ylom(const std::vector<Text>& lines, LogTotal& t) {
    long long nn = 0, nf = 0, fn = 0, ff = 0;
    for (const Text& line : lines) {
        const Text pair = field(line, LineLayout::General, Field::OwnSex) +
                          field(line, LineLayout::General, Field::ReceivedSex);
        if (pair == "NN")
            ++nn;
        else if (pair == "NF")
            ++nf;
        else if (pair == "FN")
            ++fn;
        else if (pair == "FF")
            ++ff;
    }
    t.total = num(5 * (nn + nf + fn) + ff);
    t.info_label = "N-N:" + num(nn) + "  N-F:" + num(nf) + "  F-N:" + num(fn) + "  F-F:" + num(ff);
}

void haqrp(const std::vector<Text>& lines, LogTotal& t) {
    long long points = 0;
    for (const Text& line : lines) points += digit_at(line, 104).value_or(0);
    t.dx = count_if_column(lines, 106, "N");
    const long long total = points * t.dx;
    t.points = num(points);
    t.total = num(total);
    t.counter_label = num(static_cast<long long>(lines.size())) + "/" + num(t.dx);
    t.summary = "QSO:" + num(static_cast<long long>(lines.size())) + "    DXCC:" + num(t.dx) +
                "    SCORES:" + *t.points + "    TOTAL:" + t.total;
}

void rhob(const std::vector<Text>& lines, LogTotal& t) {
    long long highest = 0;
    for (const Text& line : lines) {
        const Text sent = field(line, LineLayout::General, Field::SentSerial);
        if (is_numeric(sent)) highest = std::max(highest, int_value(sent));
    }
    const long long q = static_cast<long long>(lines.size());
    const long long m = count_if_column(lines, 75, "M");
    t.rhob = {highest, q, m};
    t.points = num(q);
    t.distance = num(m);
    t.total = num(q * m);
}

void hskc(const std::vector<Text>& lines, LogTotal& t) {
    const long long multis = count_if_column(lines, 75, "Multi");
    const long long a = count_if_column(lines, 49, "A");
    const long long b = count_if_column(lines, 49, "B");
    const long long points = points_sum(lines);
    const long long qsos = static_cast<long long>(lines.size());
    t.points = num(points);
    t.total = zero_pad(points * multis, 7);
    t.counter_label = num(qsos) + "/" + num(a) + "/" + num(b) + "/" + num(multis);
    t.summary = "QSO:" + num(qsos) + "    DXCC:0    SCORES:" + *t.points + "    TOTAL:" + t.total;
}

void skm(const std::vector<Text>& lines, LogTotal& t) {
    t.itu = count_if_column(lines, 75, "IT");
    t.sk = count_if_column(lines, 78, "SK");
    const long long points = points_sum(lines);
    const long long qsos = static_cast<long long>(lines.size());
    t.points = num(points);
    t.total = num(points * (t.itu + t.sk));
    t.counter_label = num(qsos) + "/" + num(t.itu) + "/" + num(t.sk);
    t.summary = "QSO:" + num(qsos) + "    ITU:" + num(t.itu) + "    SKC:" + num(t.sk) +
                "    SCORES:" + *t.points + "    TOTAL:" + t.total;
}

void nmark(const std::vector<Text>& lines, LogTotal& t) {
    long long sum = 0;
    for (const Text& line : lines) {
        const auto factor = digit_at(line, 104);
        const auto points = digit_at(line, 106);
        if (factor && points) sum += static_cast<long long>(*factor) * *points;
    }
    t.total = num(sum);
}

void ref(const std::vector<Text>& lines, LogTotal& t) {
    long long multis = 0;
    for (const Text& line : lines) {
        const Text c = col(line, 75, 1);
        multis += !c.empty() && c != "-" ? 1 : 0;
    }
    const long long points = points_sum(lines);
    t.total = num(points * multis);
    t.counter_label = num(static_cast<long long>(lines.size())) + "/" + num(points) + "/" + num(multis);
}

}  // namespace

std::optional<int> digit_at(const Text& line, std::size_t column) {
    const Text c = col(line, column, 1);
    if (c.size() != 1 || c[0] < '0' || c[0] > '9') return std::nullopt;
    return c[0] - '0';
}

LogTotal log_total(const std::vector<Text>& lines, ContestType type) {
    LogTotal t;
    t.computed = true;
    const long long qsos = static_cast<long long>(lines.size());
    switch (type) {
        case T::YlOm: ylom(lines, t); break;
        case T::Hadx: {
            t.dx = count_if_column(lines, 75, "DX");
            t.total = num(points_sum(lines) * t.dx);
            t.counter_label = num(qsos) + "/" + num(t.dx);
            break;
        }
        case T::HaQrp: haqrp(lines, t); break;
        case T::RhOb: rhob(lines, t); break;
        case T::RudxAll:
        case T::RudxTwo: {
            t.dx = count_if_column(lines, 75, "DX");
            t.ob = count_if_column(lines, 78, "OB");
            t.total = num(points_sum(lines) * (t.dx + t.ob));
            t.counter_label = num(qsos) + "/" + num(t.dx) + "/" + num(t.ob);
            break;
        }
        case T::Hskc: hskc(lines, t); break;
        case T::SilentKeyMem: skm(lines, t); break;
        case T::Nmark: nmark(lines, t); break;
        case T::Ref: ref(lines, t); break;
        case T::Dx:
        case T::Swl: t.computed = false; break;
        case T::None:
        case T::Iaru:
        case T::CqBp:
        case T::Exchange:
        case T::CqwwVhf: t.total = num(points_sum(lines)); break;
    }
    return t;
}

}  // namespace loxar
