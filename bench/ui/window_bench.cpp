// The window on a log of 10 000 QSOs with a 50 000-station database: adding a QSO with Enter
// (lookups, line, files, automatic save) and one keystroke in the callsign field, each up to
// the repainted window (offscreen); the same with a radio polled through a real rigctld, and
// how soon the window's band follows the radio; the map beside the statistics page drawn.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench.hpp"
#include "model/file_io.hpp"
#include "platform/rig_worker.hpp"
#include "rig/hamlib_rig.hpp"
#include "rules/contest_rules.hpp"
#include "sample_data.hpp"
#include "session/contest_rules.hpp"
#include "session/db_lookup.hpp"
#include "session/startup.hpp"
#include "station/rig_settings.hpp"
#include "statistics/map_data.hpp"
#include "support/fake_ports.hpp"
#include "support/local_daemon.hpp"
#include "support/temp_home.hpp"
#include "ui/main_window.hpp"
#include "ui/map_view.hpp"

namespace {

using namespace loxar;

constexpr long kLogQsos = 10000;

// The radio's interval between polls, as an operator leaves it.
constexpr int kPollMs = 300;

// Hamlib's dummy radio behind rigctld on a free local port.
struct Radio {
    int port = testing::free_port();
    testing::LocalDaemon rigctld{{"rigctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port)}, port};
    RigWorker worker;
    std::unique_ptr<HamlibRig> dial;  // another program turning the radio
    std::string address() const { return "127.0.0.1:" + std::to_string(port); }
};

struct WindowFixture {
    testing::FakeSerial serial;
    testing::FakePlayer player;
    testing::FakeClock clock;
    testing::TempHome home;
    std::unique_ptr<Radio> radio;
    std::unique_ptr<MainWindow> window;
    QLineEdit* call = nullptr;
    QListView* log = nullptr;
    long added = 0;

    explicit WindowFixture(bool with_radio) {
        serial.available = true;
        Ports ports{nullptr, &serial, &player, &clock};
        if (with_radio) {
            radio = std::make_unique<Radio>();
            ports.rig = &radio->worker;
            ports.rig_keyer = &radio->worker;
            std::filesystem::create_directories(home.path() / "SYSTEM");
            const Text settings = "link=rigctld\r\nrigctld=" + radio->address() +
                                  "\r\npoll_ms=" + std::to_string(kPollMs) + "\r\n";
            if (!write_file_atomic(home.path() / "SYSTEM" / kRigSettingsFile, settings)) std::abort();
        }
        window = std::make_unique<MainWindow>(ports);
        MainWindow& w = *window;
        if (radio) w.attach_rig(radio->worker);
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w) || !w.start(home.path())) std::abort();
        Session& s = w.session();
        bench::iaru_station(s);
        const auto db = home.path() / "SYSTEM" / "bench.qra";
        if (!write_file_atomic(db, bench::sample_database(50000))) std::abort();
        adatbazis_beolvasas(s, db);
        s.log_lista.clear();
        bench::add_sample_log(s.log_lista, kLogQsos);
        log_inic_rutin(s);
        w.refresh(Aspect::All);
        call = w.findChild<QLineEdit*>("kapott_hivojel_text");
        log = w.findChild<QListView*>("log_lista");
        call->setFocus();
        QCoreApplication::processEvents();
        if (radio) {
            RigAddress a;
            a.host_port = radio->address();
            auto dial = HamlibRig::open(a);
            if (!dial) std::abort();
            radio->dial = std::move(*dial);
            wait_for_band("145 MHz");
        }
    }

    void wait_for_band(const char* band) {
        QLineEdit* shown = window->findChild<QLineEdit*>("band_text");
        QElapsedTimer t;
        t.start();
        while (shown->text().trimmed() != QLatin1String(band)) {
            if (t.elapsed() > 10 * kPollMs + 5000) {
                std::fprintf(stderr, "the band did not follow the radio\n");
                std::abort();
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
    }

    void one_log_for_all_bands() {
        Session& s = window->session();
        s.szabaly_combo.set(static_cast<int>(ContestType::CqwwVhf));
        szabaly_combo_Click(s);
        window->refresh(Aspect::All);
    }

    // Another program turns the radio to the other band, at some moment between two polls as an
    // operator's hand would; no QSO is being typed, which would hold the band where it is.
    void turn_radio() {
        window->session().qso.kapott_hivojel_text.clear();
        window->refresh(Aspect::EntryFields);
        static unsigned step = 0;
        step = (step + 7) % 10;
        QTest::qWait(static_cast<int>(step) * kPollMs / 10);
        up = !up;
        if (!radio->dial->tune(up ? 432'200'000 : 144'300'000)) std::abort();
    }
    bool up = false;

    void band_follows() { wait_for_band(up ? "435 MHz" : "145 MHz"); }

    // A station of the database not yet in the log, its serial and locator typed into the
    // session's fields; Enter in the callsign field adds it.
    void add_qso() {
        Session& s = window->session();
        const int rows = log->model()->rowCount();
        s.qso.kapott_hivojel_text = bench::sample_call(7 * ++added + 1);
        s.qso.kapott_sorszam_text = "001";
        s.qso.kapott_QRA_text = "JN97AA";
        window->refresh(Aspect::EntryFields);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        if (log->model()->rowCount() != rows + 1) {
            std::fprintf(stderr, "the QSO was not added\n");
            std::abort();
        }
    }

    void two_characters_typed() {
        window->session().qso.kapott_hivojel_text = "HA";
        window->refresh(Aspect::EntryFields);
        call->setFocus();
        call->end(false);
        QCoreApplication::processEvents();
    }

    // The third character: the widest search of the log.
    void third_character() {
        QTest::keyClick(call, Qt::Key_5);
        QCoreApplication::processEvents();
        if (call->text() != QLatin1String("HA5")) std::abort();
    }
};

// The map of 1 000 QSOs of a VHF contest around central Europe, at a size it has in the window.
// Before each draw the view moves a little, as at each step of a drag, so the grid of the view
// is worked out again too.
struct MapFixture {
    MapData data = map_data(bench::sample_vhf_log(1000), LineLayout::General, "JN97KK");
    ui::MapView view{nullptr};
    QImage image{1000, 700, QImage::Format_ARGB32_Premultiplied};
    MapFixture() {
        view.resize(image.size());
        view.show_data(&data);
    }
    void move() { view.pan_by({3, 0}); }
    void draw() { view.render(&image); }
};

std::unique_ptr<WindowFixture> fixture;
std::unique_ptr<WindowFixture> radio_fixture;
std::unique_ptr<MapFixture> map_fixture;

void start() {
    if (!fixture) fixture = std::make_unique<WindowFixture>(false);
}
void start_with_radio() {
    if (!radio_fixture) radio_fixture = std::make_unique<WindowFixture>(true);
}

loxar::bench::Register add{
    {"window: add a QSO with Enter on 10 000 QSOs", 20.0, start, [] { fixture->add_qso(); }, 11}};

loxar::bench::Register key{{"window: keystroke in the callsign field, 10 000 QSOs", 16.0, start,
                            [] { fixture->third_character(); }, 21, [] { fixture->two_characters_typed(); }}};

loxar::bench::Register add_polled{{"window, radio polled: add a QSO with Enter", 20.0, start_with_radio,
                                   [] { radio_fixture->add_qso(); }, 11}};

loxar::bench::Register key_polled{{"window, radio polled: keystroke in the callsign field", 16.0,
                                   start_with_radio, [] { radio_fixture->third_character(); }, 21,
                                   [] { radio_fixture->two_characters_typed(); }}};

// From the radio turned to the window's band shown: within one poll interval. The contest type
// keeps one log for every band (CQWW-VHF): with a log per band the band buttons also save and
// load that band's file, which is the same whether the radio or the operator changes the band.
loxar::bench::Register follow{{"window: band follows the radio (poll 300 ms)", double(kPollMs),
                               [] {
                                   start_with_radio();
                                   radio_fixture->one_log_for_all_bands();
                               },
                               [] { radio_fixture->band_follows(); }, 9,
                               [] { radio_fixture->turn_radio(); }}};

loxar::bench::Register map{{"map page: draw 1 000 QSOs", 16.0,
                            [] {
                                if (!map_fixture) map_fixture = std::make_unique<MapFixture>();
                            },
                            [] { map_fixture->draw(); }, 21, [] { map_fixture->move(); }}};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message box would wait for a click that never comes: say what it was and stop.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            std::fprintf(stderr, "a dialog opened: %s\n",
                         qPrintable(box ? box->text() : modal->objectName()));
            std::abort();
        }
    });
    watchdog.start(500);
    const int status = loxar::bench::run_all(argc, argv);
    fixture.reset();
    radio_fixture.reset();
    map_fixture.reset();
    return status;
}
