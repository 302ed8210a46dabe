// Sessions for the tests, each in a temporary home of its own: before the start of the window,
// never started but of one contest type, and started.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "model/paths.hpp"
#include "session/contest_rules.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace loxar::testing {

// Fakes with the keyer plugged in, a fresh home, and a session wired to them; not started.
struct Home {
    FakePorts fakes;
    TempHome home;
    Session s;

    Home() {
        fakes.serial.available = true;
        s.ports = fakes.ports();
    }
    void start() { EXPECT_TRUE(Form_Load(s, home.path()).ok()); }
    // Only the folders of the home, as the start makes them.
    void prepare() {
        s.paths = make_paths(home.path());
        EXPECT_TRUE(prepare_folders(s.paths).ok());
    }
    std::filesystem::path system_file(const char* name) const { return home.path() / "SYSTEM" / name; }
    // Replaces the log.
    void log(const std::vector<Text>& lines) {
        s.log_lista.clear();
        for (const Text& l : lines) s.log_lista.add(l);
    }
    std::vector<Text> lines() const { return s.log_lista.items(); }
};

// A session of `type` that was never started: blank entry fields, `lines` in the log.
struct Unstarted : Home {
    explicit Unstarted(ContestType type, const std::vector<Text>& lines = {}) {
        s.qso = empty_qso_record();
        s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
        s.szabaly_combo.set(static_cast<int>(type));
        log(lines);
    }
};

constexpr bool kOwnData = true;

// A started window (default rule files, country and oblast tables) with `type` chosen and what
// the start told the operator forgotten; with kOwnData, own data that pass the own-data check.
struct Started : Home {
    explicit Started(ContestType type = ContestType::None, bool own_data = false) {
        start();
        choose(type);
        fakes.ui.messages.clear();
        fakes.ui.focus_log.clear();
        fakes.ui.beeps = 0;
        if (!own_data) return;
        s.station.hivojel_text = "HA5XX";
        s.station.QRA_text = "JN97AA";
        s.qso.kezelo_text = "OPNAME";
        s.qso.sex_combo.set(2);
    }
    void choose(ContestType type) {
        s.szabaly_combo.set(static_cast<int>(type));
        szabaly_combo_Click(s);
    }
};

}  // namespace loxar::testing
