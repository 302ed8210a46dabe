// The main window: owns the session, shows its panels and is the core's window port.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "session/session.hpp"
#include "statistics/geo.hpp"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFocusEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QStackedWidget;

namespace loxar {

class TextListModel;
class DatabasePanels;
class RigWorker;
struct MapData;
namespace ui {
class MapView;
}

class MainWindow : public QMainWindow, public Ui {
    Q_OBJECT
public:
    // `ports` supplies the serial port, the media player and the clock; the window is the Ui.
    explicit MainWindow(Ports ports, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the program's start on `home`; false when the home cannot be used (already told).
    bool start(const std::filesystem::path& home);
    Session& session() { return s_; }
    // Logout or shutdown: saves as STOP does, without questions, and ends the program.
    void end_on_signal();
    // The radio's worker: its readings and the state of its link reach the session.
    void attach_rig(RigWorker& rig);

    // Ui
    void beep() override;
    void message(const Text& text) override;
    void notice(const Text& text) override;
    void clear_notice() override;
    void igen_nem(DialogVars& d) override;
    void file_valasztas(DialogVars& d) override;
    void focus(Control control, bool select_all) override;
    void busy(bool on) override;
    void process_events() override;
    void wait_events(int max_ms) override;
    void refresh(Aspect what) override;
    void close_window() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps of a window refresh, in the order they run.
    enum Step : unsigned {
        kFieldsStep = 1u << 0,
        kLabelsStep = 1u << 1,
        kSelectorsStep = 1u << 2,
        kLogRowsStep = 1u << 3,
        kFoundRowsStep = 1u << 4,    // talalt_log_lista
        kBackupRowsStep = 1u << 5,   // backup_lista
        kVegyesPageStep = 1u << 6,   // vegyes_lista_0/1, which of them shows, the statistics chart
        kReportRowsStep = 1u << 7,   // qso_lista, adif_qso_lista, riport_hibak_lista
        kCallingRowsStep = 1u << 8,  // hivas_lista_0/1, EPROM_lista
        kDatabaseListsStep = 1u << 9,
        kDatabasePanelsStep = 1u << 10,
        kPanelsStep = 1u << 11,
        kCallingStep = 1u << 12,
        kViewStep = 1u << 13,
        kListRowsSteps =
            kFoundRowsStep | kBackupRowsStep | kVegyesPageStep | kReportRowsStep | kCallingRowsStep,
    };
    static unsigned refresh_steps(Aspect what);
    void build();
    void connect_controls();
    void clock_tick();
    void refresh_fields();
    void refresh_selectors();
    void refresh_view();
    void refresh_panels();
    void refresh_log_list();
    void refresh_database_lists();
    void connect_database_lists();
    // The widget of a control of the table, found when the window was built.
    QWidget* control(Control c) const { return widgets_[index_of(c)]; }
    template <class W>
    W* control_as(Control c) const {
        return qobject_cast<W*>(control(c));
    }
    // The control of the table a widget is; none for the window's other widgets.
    std::optional<Control> control_of(const QObject* w) const;
    // The log side (main_window_logging.cpp): entry keys and focus, log commands, extra lists.
    void connect_logging();
    // A click on the button runs `action`, then refreshes what it `changes`.
    void on_click(QAbstractButton* b, Aspect changes, std::function<void()> action);
    void on_click(const char* button, Aspect changes, std::function<void()> action);
    void on_click(Control button, Aspect changes, std::function<void()> action);
    bool logging_key(QWidget* w, QKeyEvent* e);
    void logging_focus(QWidget* w, QFocusEvent* e);
    void refresh_labels();
    // The calling panel (main_window_calling.cpp): its buttons, lists, keys and the call timer.
    void connect_calling();
    bool calling_key(QWidget* w, QKeyEvent* e);
    void refresh_calling();
    void call_tick();
    // The list boxes of list_bindings() that `steps` names, and the multi-purpose page's choice.
    void refresh_extra_lists(unsigned steps);
    void reload_extra_list(std::size_t i);
    // The statistics page's "Mentés": the page's list, or the map's picture while it shows.
    void statistics_save();
    void load_shorelines_for(ui::MapView& map, const MapData& shown);
    QString program_dir() const;

    Session s_;
    QStackedWidget* stack_ = nullptr;
    TextListModel* log_model_ = nullptr;
    QListView* log_view_ = nullptr;
    TextListModel* db_model_ = nullptr;
    QListView* db_view_ = nullptr;
    std::uint64_t db_generation_ = ~std::uint64_t{0};
    TextListModel* locator_model_ = nullptr;
    QListView* locator_view_ = nullptr;
    QLabel* log_heading_ = nullptr;
    DatabasePanels* database_panels_ = nullptr;  // the callsign-list frame and the summary panel
    std::vector<std::pair<QListView*, TextListModel*>> extra_lists_;  // list_bindings() order
    bool forwarding_key_ = false;  // a key re-sent with its character changed
    bool in_focus_handler_ = false;
    QTimer clock_timer_;
    QTimer call_timer_;
    QLabel* status_info_ = nullptr;  // home, contest, band, QSO count, last save
    QLabel* box_status_ = nullptr;   // the keying box's lamp state in the status line
    std::vector<std::pair<QLineEdit*, std::size_t>> text_controls_;
    std::vector<std::pair<QComboBox*, std::size_t>> combo_controls_;
    std::vector<std::pair<QCheckBox*, std::size_t>> check_controls_;
    std::array<QWidget*, kControlCount> widgets_{};
    QHash<const QObject*, Control> control_of_;
    std::uint64_t map_page_ = 0;           // the statistics page the map shows (StatisticsState::page)
    std::optional<GeoBox> shoreline_box_;  // the box of the shorelines the map holds
    bool refreshing_ = false;
    bool unloaded_ = false;
    int busy_depth_ = 0;
};

}  // namespace loxar
