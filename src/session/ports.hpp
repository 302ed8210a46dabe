// What the core asks of the outside world: the window, the serial port, the media player, the clock.
#pragma once

#include <functional>
#include <string_view>

#include "model/controls.hpp"
#include "station/rig_settings.hpp"
#include "text/text.hpp"

namespace loxar {

struct DialogVars;

// What changed, so that the window updates only that: one flag per part of the window, joined
// with `|` when a procedure changes several. The window brings each part named up to the session.
enum class Aspect : unsigned {
    EntryFields = 1u << 0,     // the QSO record and the own-station fields
    LogList = 1u << 1,         // rows of log_lista (count or contents)
    FoundList = 1u << 2,       // rows of talalt_log_lista and whether it is shown
    Panels = 1u << 3,          // which panel is shown
    View = 1u << 4,            // captions, visibility, colours of controls
    Clock = 1u << 5,           // pontos_ido, log_ido, lamp and blink
    Selectors = 1u << 6,       // selector indexes and items
    DatabaseLists = 1u << 7,   // qra_sort_lista (rows and current record), qra_lista, exchange_lista
    Calling = 1u << 8,         // the calling panel: message lists, box replies, EPROM_lista, keyer controls
    DatabasePanels = 1u << 9,  // the "Hívójel lista" and "Összesítő" panels: their lists and fields
    Report = 1u << 10,         // the "Jegyzőkönyv" panel: format, result fields and lists, its frames
    DataSheet = 1u << 11,      // the "Adatlap" panel: header fields and category selectors
    Vegyes = 1u << 12,         // the multi-purpose panel (import, export, band change): lists, buttons
    Statistics = 1u << 13,     // the statistics page in the multi-purpose panel and its chart
    BackupList = 1u << 14,     // backup_lista of the small-tools panel
    Explanation = 1u << 15,    // the selected QSO's score explanation under the log
    All = (1u << 16) - 1,      // the whole window: start, contest type, the whole log
};

constexpr Aspect operator|(Aspect a, Aspect b) {
    return static_cast<Aspect>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Whether `set` names any of `parts`.
constexpr bool has_aspect(Aspect set, Aspect parts) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(parts)) != 0;
}

class Ui {
public:
    virtual ~Ui() = default;
    virtual void beep() = 0;
    virtual void message(const Text& text) = 0;  // modal message box, cp1250 text
    // A warning that must not stop the operator's typing (no modal box): beep and a status line.
    virtual void notice(const Text& text) = 0;
    // The notice shown is out of date (the trouble it told of is over).
    virtual void clear_notice() {}
    // The yes/no dialog: reads question_number (and question_text for free text), writes dialog_answer.
    virtual void igen_nem(DialogVars& d) = 0;
    // The file chooser: reads the chooser_* variables, writes chosen_path.
    virtual void file_valasztas(DialogVars& d) = 0;
    virtual void focus(Control control, bool select_all) = 0;
    virtual void busy(bool on) = 0;
    virtual void process_events() = 0;
    // Inside a wait: runs what events come, sleeping up to `max_ms` for one when none is pending.
    virtual void wait_events(int max_ms) {
        (void)max_ms;
        process_events();
    }
    // Brings every part of the window named in `what` up to the session.
    virtual void refresh(Aspect what) = 0;
    virtual void close_window() = 0;
};

// Why the serial port is not open: the last open's failure, or a device that went away.
enum class PortError { None, NotFound, Busy, NoPermission, Lost, Other };

class SerialPort {
public:
    virtual ~SerialPort() = default;
    virtual bool open(int com_number) = 0;  // COM1 .. COM15 (or the device chosen for this run)
    virtual void close() = 0;
    virtual bool is_open() const = 0;
    virtual void write(const Text& bytes) = 0;
    virtual Text read_all() = 0;
    // PortError::Lost once an open port's device has gone (the port is closed then).
    virtual PortError error() const = 0;
    // What COMn stands for on this machine ("/dev/ttyUSB0 FTDI ..."), empty when nothing.
    virtual Text describe(int com_number) const = 0;
};

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // False when this machine has no working audio back end; the window runs on without voice.
    virtual bool available() = 0;
    virtual void set_file(const Text& path) = 0;
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual void play_from(long position_ms) = 0;
    virtual void stop() = 0;
    virtual void prev() = 0;  // back to the start
    virtual bool is_open() const = 0;
    virtual bool is_playing() const = 0;
    // Status reports: `handler` is called every `interval_ms` while the interval is above 0.
    virtual void set_status_interval(int interval_ms) = 0;
    virtual void set_status_handler(std::function<void()> handler) = 0;
};

struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    // Milliseconds from an arbitrary start that never steps back: what every wait is timed by.
    virtual long long monotonic_ms() const = 0;
    // How far the local time runs ahead of UTC now, in minutes (120 in a Hungarian summer).
    virtual int utc_offset_minutes() const = 0;
};

// The radio, served by a worker thread: each call only queues a request and returns at once, so
// a radio that does not answer never holds the window. What the radio says comes back to the
// session through rig_reading and rig_link_changed (session/rig_control).
class RigPort {
public:
    virtual ~RigPort() = default;
    // Connects with these settings, or lets the radio go when the link is None.
    virtual void configure(const RigSettings& settings) = 0;
    // `sequence` comes back with the readings taken after the radio was tuned.
    virtual void tune(long long hz, unsigned sequence) = 0;
    virtual void ptt(bool on_air) = 0;
};

// Where the CW messages are keyed: the keying box (KeyingBoxCw, session/keying_box), cwdaemon,
// or the radio's own keyer; the "Rig" tab chooses, the box is the default.
class CwOutputPort {
public:
    virtual ~CwOutputPort() = default;
    virtual void configure(const RigSettings& settings) = 0;
    // Keys `text` (macros expanded, upper case) at `wpm`.
    virtual void send(const Text& text, int wpm) = 0;
    virtual void stop() = 0;
    // True once the last text sent has been keyed to its end (or stopped).
    virtual bool done() const = 0;
};

// The ports a session is given; none is owned by it.
struct Ports {
    Ui* ui = nullptr;
    SerialPort* serial = nullptr;
    MediaPlayer* player = nullptr;
    Clock* clock = nullptr;
    RigPort* rig = nullptr;
    CwOutputPort* cwdaemon = nullptr;
    CwOutputPort* rig_keyer = nullptr;
};

}  // namespace loxar
