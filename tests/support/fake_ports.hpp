// Scripted ports for core tests: they record what the core asked and answer from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/ports.hpp"
#include "session/session.hpp"

namespace loxar::testing {

class FakeUi : public Ui {
public:
    int beeps = 0;
    std::vector<Text> messages;          // message boxes, cp1250
    std::vector<Text> questions;         // yes/no questions asked (text of number 9, or "#n")
    std::deque<bool> answers;            // next yes/no answers; no answer left means "no"
    std::deque<Text> chooser_results;    // next chosen paths; none left means cancelled
    std::vector<std::string> focus_log;  // names of the controls that got the focus
    int closed = 0;

    void beep() override { ++beeps; }
    void message(const Text& t) override { messages.push_back(t); }
    std::vector<Text> notices;  // warnings shown without a modal box
    void notice(const Text& t) override { notices.push_back(t); }
    void clear_notice() override { notices.clear(); }
    void igen_nem(DialogVars& d) override {
        d.dialog_answer.clear();
        questions.push_back(d.question_number == Question::FreeText
                                ? d.question_text
                                : "#" + std::to_string(static_cast<int>(d.question_number)));
        bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        if (yes) d.dialog_answer = "OK";
    }
    void file_valasztas(DialogVars& d) override {
        d.chosen_path.clear();
        if (!chooser_results.empty()) {
            d.chosen_path = chooser_results.front();
            chooser_results.pop_front();
        }
    }
    void focus(Control control, bool) override { focus_log.emplace_back(control_name(control)); }
    void busy(bool) override {}
    // Runs inside every wait, as the window's timers would (advance the clock, tick).
    std::function<void()> on_process_events;
    void process_events() override {
        if (on_process_events) on_process_events();
    }
    void refresh(Aspect) override {}
    void close_window() override { ++closed; }
};

class FakeSerial : public SerialPort {
public:
    bool available = false;  // whether opening succeeds
    bool opened = false;
    int last_com = 0;
    Text written;
    Text incoming;
    bool open(int com) override {
        last_com = com;
        opened = available;
        return opened;
    }
    void close() override { opened = false; }
    bool is_open() const override { return opened; }
    void write(const Text& b) override { written += b; }
    Text read_all() override {
        Text t;
        t.swap(incoming);
        return t;
    }
    PortError failure = PortError::NotFound;  // error() while not open
    PortError error() const override { return opened ? PortError::None : failure; }
    Text com1_device;  // what COM1 stands for; the others stand for nothing
    Text describe(int n) const override { return n == 1 ? com1_device : Text(); }
};

class FakePlayer : public MediaPlayer {
public:
    Text file;
    bool opened = false, playing = false;
    int closes = 0;
    bool working = true;  // whether the machine has an audio back end
    bool available() override { return working; }
    void set_file(const Text& p) override { file = p; }
    bool open() override {
        opened = true;
        return true;
    }
    void close() override {
        opened = false;
        playing = false;
        ++closes;
    }
    void play_from(long) override { playing = true; }
    void stop() override { playing = false; }
    int prevs = 0;
    void prev() override { ++prevs; }
    bool is_open() const override { return opened; }
    bool is_playing() const override { return playing; }
    int interval_ms = 0;
    std::function<void()> handler;
    void set_status_interval(int ms) override { interval_ms = ms; }
    void set_status_handler(std::function<void()> h) override { handler = std::move(h); }
    // One status report, as the player sends it while its interval runs.
    void report() {
        if (interval_ms > 0 && handler) handler();
    }
};

class FakeClock : public Clock {
public:
    LocalDateTime t{2024, 5, 4, 12, 30, 15};
    LocalDateTime now() const override { return t; }
    // Each reading is `step_ms` later, so that a wait nobody answers still ends.
    mutable long long ms = 1000;
    long long step_ms = 1;
    long long monotonic_ms() const override { return ms += step_ms; }
    int offset_minutes = 60;  // a Hungarian winter: the offset selector's first-start item
    int utc_offset_minutes() const override { return offset_minutes; }
};

// The radio's worker as the session sees it: what it was asked to do.
class FakeRig : public RigPort {
public:
    std::vector<RigSettings> configured;
    std::vector<std::pair<long long, unsigned>> tuned;  // hz, sequence
    std::vector<bool> ptts;
    void configure(const RigSettings& st) override { configured.push_back(st); }
    void tune(long long hz, unsigned sequence) override { tuned.emplace_back(hz, sequence); }
    void ptt(bool on_air) override { ptts.push_back(on_air); }
};

class FakeCwOutput : public CwOutputPort {
public:
    std::vector<std::pair<Text, int>> sent;  // text, wpm
    int stops = 0;
    bool finished = false;
    void configure(const RigSettings&) override {}
    void send(const Text& text, int wpm) override {
        sent.emplace_back(text, wpm);
        finished = false;
    }
    void stop() override { ++stops; }
    bool done() const override { return finished; }
};

// A session wired to fresh fakes.
struct FakePorts {
    FakeUi ui;
    FakeSerial serial;
    FakePlayer player;
    FakeClock clock;
    FakeRig rig;
    FakeCwOutput cwdaemon;
    FakeCwOutput rig_keyer;
    Ports ports() { return Ports{&ui, &serial, &player, &clock, &rig, &cwdaemon, &rig_keyer}; }
};

}  // namespace loxar::testing
