// Log import: the line builders. Every value is cut to its column, so every line has its layout's
// separators in place whatever the input held.
#include "exchange/import_lines.hpp"

#include <algorithm>

#include "core/bands.hpp"
#include "core/qso_line.hpp"

namespace loxar {

namespace {

constexpr short kSecondsStep = 10;
constexpr short kLastSecond = 59;

// A numeric serial as 4 digits with leading zeros, any other text cut to 4.
Text serial4(const Text& v) {
    const std::optional<Text> digits = zero_padded_number(v, 4);
    return pad_cut(digits ? *digits : trim(v), 4);
}

Text points5(long points) { return zero_pad(std::clamp(points, 0L, 99999L), 5); }

Text mode_group(const Text& mode) {
    const Text m = trim(mode);
    if (m == "CW") return "CW =";
    if (m == "PH" || m == "SSB") return "SSB=";
    return "DIG=";
}

// HHMM of a time text; a short numeric one gets its leading zeros ("930" is 09:30).
Text hhmm(const Text& time) {
    Text t = col(trim(time), 1, 4);
    const bool digits = !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && t.size() < 4) t.insert(0, 4 - t.size(), '0');
    return pad_cut(t, 4);
}

Text locator6(const Text& locator) { return pad_cut(locator.empty() ? kNoLocator : locator, 6); }

// The general builder's serials: the exchange stands for the received serial in HADX and RUDX,
// the own exchange for the sent serial in HADX.
Text received_serial(const ImportQso& q, ContestType type) {
    const bool exchange_contest =
        type == ContestType::Hadx || type == ContestType::RudxAll || type == ContestType::RudxTwo;
    return exchange_contest && !q.exchange.empty() ? q.exchange : q.received_serial;
}

Text general_line(const ImportQso& q, const ImportSettings& st, const Text& stamp) {
    const Text sent = st.type == ContestType::Hadx ? clean_value(st.exch_text) : q.sent_serial;
    return stamp + "=" + pad_cut(q.callsign, 20) + "=" + pad_cut(q.received_report, 3) + "/" +
           serial4(received_serial(q, st.type)) + "/" + locator6(q.received_locator) + "/.=" +
           pad_cut(q.sent_report, 3) + "/" + serial4(sent) + "/" + mode_group(q.mode) +
           ".=--/--/00001=00001=" + pad_cut(q.name, 14) + "=" + pad_cut(q.band, 7) + "=";
}

Text qrp_line(const ImportQso& q, const ImportSettings& st, const Text& stamp) {
    return stamp + "=" + pad_cut(q.callsign, 16) + "=" + pad_cut(q.received_report, 3) + "/" +
           pad_cut(q.name, 14) + "/" + Text(21, ' ') + "=" + pad_cut(q.sent_report, 3) + "=" +
           mode_group(q.mode) + "00001=" + pad_cut(clean_value(st.kezelo_text), 10) + "=2=N=" +
           pad_cut(q.band, 7) + "=" + pad_cut(one_line(st.qth_text), 19);
}

Text skm_line(const ImportQso& q, const ImportSettings& st, const Text& stamp) {
    return stamp + "=" + pad_cut(q.callsign, 13) + "=" + pad_cut(q.received_report, 3) + "/" +
           pad_cut("SILENT-KEY", 13) + "=" + pad_cut(q.sent_report, 3) + "=" +
           pad_cut(clean_value(st.exch_text), 13) + "=" + mode_group(q.mode) + "--/--/00001=00001=" +
           pad_cut(clean_value(st.kezelo_text), 14) + "=" + pad_cut(q.band, 7) + "=28=";
}

// The band of a CQWW-VHF line: the frequency word's band, "XXXXXXX" for one that names none.
Text cqww_band(const ImportQso& q) {
    return trim(q.band) == trim(band_name(0)) ? Text("XXXXXXX") : pad_cut(q.band, 7);
}

Text cqww_line(const ImportQso& q, const ImportSettings& st, const Text& stamp) {
    return stamp + "=" + pad_cut(q.callsign, 20) + "=" + pad_cut(q.received_report, 3) + "/0000/" +
           locator6(q.received_locator) + "/.=000/0000=" + mode_group(q.mode) + ".=00001/00001=00000=" +
           pad_cut(clean_value(st.kezelo_text), 14) + "=" + cqww_band(q) + "=";
}

}  // namespace

Text clean_value(std::string_view v) { return trim(one_line(v)); }

Text date_time(ImportState& state) {
    const Text time = hhmm(state.work.time);
    if (time == state.previous_time) {
        // Past the sixth QSO of a minute the seconds go on one by one and stop at 59.
        state.seconds = state.seconds + kSecondsStep <= kLastSecond - 9
                            ? static_cast<short>(state.seconds + kSecondsStep)
                            : std::min(static_cast<short>(state.seconds + 1), kLastSecond);
    } else {
        state.seconds = 0;
    }
    state.previous_time = time;
    return pad_cut(state.work.date, 10) + "/" + time.substr(0, 2) + ":" + time.substr(2, 2) + ":" +
           zero_pad(state.seconds, 2);
}

Text edi_line(const ImportQso& q, const Text& stamp) {
    return stamp + "=" + pad_cut(q.callsign, 20) + "=" + pad_cut(q.received_report, 3) + "/" +
           serial4(q.received_serial) + "/" + locator6(q.received_locator) + "/.=" +
           pad_cut(q.sent_report, 3) + "/" + serial4(q.sent_serial) + "/" + pad_cut(q.mode, 3) + "=.=" +
           points5(q.points) + "/" + points5(q.points) + "=00001=" + Text(14, ' ') + "=" +
           pad_cut(q.band, 7) + "=";
}

Text contest_line(const ImportQso& q, const ImportSettings& st, const Text& stamp, bool cqww_builder) {
    switch (st.type) {
        case ContestType::HaQrp:
        case ContestType::Dx:
        case ContestType::Nmark: return qrp_line(q, st, stamp);
        case ContestType::SilentKeyMem: return skm_line(q, st, stamp);
        case ContestType::CqwwVhf: return cqww_builder ? cqww_line(q, st, stamp) : general_line(q, st, stamp);
        default: return general_line(q, st, stamp);
    }
}

Text callsign_list_line(const ImportQso& q, const Text& stamp) {
    return stamp + "=" + pad_cut(q.callsign, 20) + "=" + pad_cut(q.received_report, 3) + "/" +
           serial4(q.received_serial) + "/" + locator6(q.received_locator) + "/.=" +
           pad_cut(q.sent_report, 3) + "/" + serial4(q.sent_serial) + "/" + mode_group(q.mode) +
           ".=--/--/" + points5(q.points) + "=" + points5(q.points) + "=" + Text(14, ' ') + "=" +
           pad_cut(q.band, 7) + "=";
}

}  // namespace loxar
