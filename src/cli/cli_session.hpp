// The session the commands work on: prepared as the window's start does, with a log loaded.
#pragma once

#include <filesystem>

#include "cli/cli_common.hpp"

namespace loxar::cli {

// The window's messages go to standard error; questions are answered no, choosers cancelled.
class CliUi : public Ui {
public:
    void beep() override {}
    void message(const Text& text) override { error(text); }
    void notice(const Text& text) override { error(text); }
    void igen_nem(DialogVars& d) override { d.dialog_answer.clear(); }
    void file_valasztas(DialogVars& d) override { d.chosen_path.clear(); }
    void focus(Control, bool) override {}
    void busy(bool) override {}
    void process_events() override {}
    void refresh(Aspect) override {}
    void close_window() override {}
};

// A command's own session, prepared on the home the window would use as the window's start
// prepares it (rules of no type, country and oblast tables, cleared sheet and results); its
// messages go to standard error.
struct CommandSession {
    HomeLock home_lock;  // first, so it is given up last
    CliUi ui;
    Session s;
};
// Prepares the home and the session; false after a message when the home cannot be used.
// What a command's session is started with: everything the window starts with, or, for a
// command that converts files without scoring them, no country table.
enum class SessionStart { Full, WithoutCountries };
bool start_session(CommandSession& c, const Args& a, SessionStart start = SessionStart::Full);

// Loads the log as the window's load does, with the automatic save off: a command must not
// write over the automatic saves of the operator's own contest. False after a message.
bool load_log(Session& s, const std::filesystem::path& file);

}  // namespace loxar::cli
