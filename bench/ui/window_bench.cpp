// The window on a log of 10 000 QSOs with a 50 000-station database: adding a QSO with Enter
// (lookups, line, files, automatic save) and one keystroke in the callsign field, each up to
// the repainted window (offscreen).
#include <QApplication>
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
#include "rules/contest_rules.hpp"
#include "sample_data.hpp"
#include "session/db_lookup.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"
#include "ui/main_window.hpp"

namespace {

using namespace loxar;

constexpr long kLogQsos = 10000;

struct WindowFixture {
    testing::FakeSerial serial;
    testing::FakePlayer player;
    testing::FakeClock clock;
    testing::TempHome home;
    MainWindow w{Ports{nullptr, &serial, &player, &clock}};
    QLineEdit* call = nullptr;
    QListView* log = nullptr;
    long added = 0;

    WindowFixture() {
        serial.available = true;
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
    }

    // A station of the database not yet in the log, its serial and locator typed into the
    // session's fields; Enter in the callsign field adds it.
    void add_qso() {
        Session& s = w.session();
        const int rows = log->model()->rowCount();
        s.qso.kapott_hivojel_text = bench::sample_call(7 * ++added + 1);
        s.qso.kapott_sorszam_text = "001";
        s.qso.kapott_QRA_text = "JN97AA";
        w.refresh(Aspect::EntryFields);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        if (log->model()->rowCount() != rows + 1) {
            std::fprintf(stderr, "the QSO was not added\n");
            std::abort();
        }
    }

    void two_characters_typed() {
        w.session().qso.kapott_hivojel_text = "HA";
        w.refresh(Aspect::EntryFields);
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

std::unique_ptr<WindowFixture> fixture;

void start() {
    if (!fixture) fixture = std::make_unique<WindowFixture>();
}

loxar::bench::Register add{
    {"window: add a QSO with Enter on 10 000 QSOs", 20.0, start, [] { fixture->add_qso(); }, 11}};

loxar::bench::Register key{{"window: keystroke in the callsign field, 10 000 QSOs", 16.0, start,
                            [] { fixture->third_character(); }, 21, [] { fixture->two_characters_typed(); }}};

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
    return status;
}
