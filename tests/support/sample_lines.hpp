// Log lines for the tests: the entry fields a builder takes, and ready lines of each layout.
#pragma once

#include <vector>

#include "model/contest_types.hpp"
#include "model/qso_line.hpp"
#include "text/text.hpp"

namespace loxar::testing {

// The entry fields a line is built from; selectors by index (mode 1 SSB, 2 CW; sex 1 "Nő",
// 2 "Férfi"). `Q` starts blank; `Worked` starts as a CW QSO with HA5KDR, 599 and serial 1 both
// ways, with the operator's name and QTH filled in.
template <bool W>
struct Fields {
    Text time = "2024-05-04/12:30:15", call = W ? "HA5KDR" : "", rst = W ? "599" : "", nr = W ? "1" : "",
         loc{};
    int sex = 0;
    Text name{}, sent_rst = W ? "599" : "", sent_nr = W ? "1" : "";
    int mode = W ? 2 : 0, own_sex = 0;
    Text dist = W ? "00000" : "", pts = W ? "0" : "", num = "00001", op = W ? "OPNAME" : "", band = "145 MHz",
         freq = "00.000", qth = W ? "BUDAPEST" : "", call2{};
};
using Q = Fields<false>;
using Worked = Fields<true>;

template <bool W>
QsoRecord record_of(const Fields<W>& q) {
    QsoRecord r = empty_qso_record();
    r.log_ido = q.time;
    r.kapott_hivojel_text = q.call;
    r.kapott_riport_text = q.rst;
    r.kapott_sorszam_text = q.nr;
    r.kapott_QRA_text = q.loc;
    r.kapott_sex_combo.set(q.sex);
    r.kapott_nev_text = q.name;
    r.kuldott_riport_text = q.sent_rst;
    r.kuldott_sorszam_text = q.sent_nr;
    r.mod_combo.set(q.mode);
    r.sex_combo.set(q.own_sex);
    r.tavolsag_text = q.dist;
    r.pontszam_text = q.pts;
    r.log_sorszam_text = q.num;
    r.edit_sorszam_text = "00000";
    r.kezelo_text = q.op;
    r.band_text = q.band;
    r.frekvencia_text = q.freq;
    r.qth_text = q.qth;
    r.hivojel_2_text = q.call2;
    return r;
}

// The line the builder of the contest type writes; `marker` is the QRP new-country marker.
inline Text line_of(ContestType type, const Worked& q, char marker = '-') {
    QsoRecord r = record_of(q);
    short f = kFunkcioNew;
    switch (layout_of(type)) {
        case LineLayout::Qrp: return QRP_sor_osszeallitas(r, f, marker);
        case LineLayout::Skm: return SKM_sor_osszeallitas(r, f);
        case LineLayout::Nmark: return NMARK_sor_osszeallitas(r, f);
        case LineLayout::Swl: return SWL_log_sor_osszeallitas(r, f);
        case LineLayout::General: break;
    }
    return log_sor_osszeallitas(r, type, f);
}

// Ready lines, written out column by column. General layout; `time` is "hh:mm".
inline Text general(const Text& call, long number = 1, const Text& band = "145 MHz",
                    const Text& time = "11:29", const Text& mode = "SSB", const Text& sent = "0001") {
    return "2016-07-23/" + time + ":31=" + pad_cut(call, 20) + "=059/0001/JN96  /.=059/" + sent + "=" +
           pad_cut(mode, 3) + "=F=00001/00001=" + zero_pad(number, 5) +
           "=              =" + pad_cut(band, 7) + "=";
}

// General lines XX1AA, XX2AA ... numbered 1 to n.
inline std::vector<Text> numbered(int n) {
    std::vector<Text> lines;
    for (int i = 1; i <= n; ++i) lines.push_back(general("XX" + std::to_string(i) + "AA", i));
    return lines;
}

inline Text qrp(const Text& call, const Text& band = "145 MHz") {
    return "2014-03-19/10:34:48=" + pad_cut(call, 16) +
           "=599/HISNAME       /DEBRECEN             =599=CW =00001=OPNAME    =2=N=" + pad_cut(band, 7) +
           "=BUDAPEST";
}

inline Text nmark(const Text& call, const Text& band = "145 MHz") {
    return "2014-03-19/10:34:48=" + pad_cut(call, 12) +
           "=059=HISNAME       /DEBRECEN             =599=CW =    00001=OPNAME    =1/2=" + pad_cut(band, 7) +
           "=BUDAPEST";
}

// A listener's line: the second station's serial stands in columns 87-94, where other layouts
// keep the log number; the log number is in 96-100.
inline Text swl(const Text& call1 = "HA1AAA", const Text& call2 = "HA2BBB", const Text& band = "145 MHz",
                const Text& serial2 = "00007", long number = 1) {
    return "2024-05-04/12:30:15=" + pad_cut(band, 8) + "=CW =" + pad_cut(call1, 17) +
           "/059/00012   =" + pad_cut(call2, 17) + "/057/" + pad_cut(serial2, 8) + "=" + zero_pad(number, 5) +
           "=";
}

}  // namespace loxar::testing
