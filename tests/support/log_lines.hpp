// Log lines as the builders write them, and a started session of one contest type, for the
// scoring tests.
#pragma once

#include <gtest/gtest.h>

#include "core/contest_types.hpp"
#include "core/qso_line.hpp"
#include "core/session.hpp"
#include "core/startup.hpp"
#include "rules/contest_rules.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"

namespace loxar::testing {

// The entry fields a line is built from; selectors by index (mode 1 SSB, 2 CW; sex 1 "Nő",
// 2 "Férfi").
struct Q {
    Text call = "HA5KDR";
    Text nr = "1";       // received serial, exchange, QTH or remembered callsign
    Text loc{};          // received locator; SILENT KEY MEM: the ITU zone
    int sex = 0;
    Text name{};
    Text sent_nr = "1";
    int mode = 2;
    int own_sex = 0;
    Text dist = "00000";  // distance or marker
    Text pts = "0";
    Text num = "00001";
    Text band = "145 MHz";
    Text freq = "00.000";
    Text op = "OPNAME";
    Text qth = "BUDAPEST";
};

inline QsoRecord record_of(const Q& q) {
    QsoRecord r = empty_qso_record();
    r.log_ido = "2024-05-04/12:30:15";
    r.kapott_hivojel_text = q.call;
    r.kapott_riport_text = "599";
    r.kapott_sorszam_text = q.nr;
    r.kapott_QRA_text = q.loc;
    r.kapott_sex_combo.set(q.sex);
    r.kapott_nev_text = q.name;
    r.kuldott_riport_text = "599";
    r.kuldott_sorszam_text = q.sent_nr;
    r.mod_combo.set(q.mode);
    r.sex_combo.set(q.own_sex);
    r.tavolsag_text = q.dist;
    r.pontszam_text = q.pts;
    r.log_sorszam_text = q.num;
    r.edit_sorszam_text = "00000";
    r.band_text = q.band;
    r.frekvencia_text = q.freq;
    r.kezelo_text = q.op;
    r.qth_text = q.qth;
    return r;
}

// The line the builder of the contest type writes; `marker` is the QRP new-country marker.
inline Text line_of(ContestType type, const Q& q, char marker = '-') {
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

// A session started in its own home (default rule files, country and oblast tables) with the
// contest type chosen.
struct Contest {
    FakePorts fakes;
    TempHome home;
    Session s;

    explicit Contest(ContestType type) {
        s.ports = fakes.ports();
        EXPECT_FALSE(Form_Load(s, home.path()).has_value());
        choose(type);
    }
    void choose(ContestType type) {
        s.szabaly_combo.set(static_cast<int>(type));
        szabaly_combo_Click(s);
        fakes.ui.messages.clear();
        fakes.ui.beeps = 0;
    }
    void log(const std::vector<Text>& lines) {
        s.log_lista.clear();
        for (const Text& l : lines) s.log_lista.add(l);
    }
    std::vector<Text> lines() const { return s.log_lista.items(); }
};

}  // namespace loxar::testing
