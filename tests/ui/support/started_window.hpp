// A main window started on a fresh home with fake ports, active so that typed keys reach it.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "platform/cwdaemon_output.hpp"
#include "platform/rig_worker.hpp"
#include "session/contest_rules.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "ui/main_window.hpp"
#include "ui/support/ui_test.hpp"

namespace loxar::testing {

struct StartedWindow {
    FakeSerial serial;
    FakePlayer player;
    FakeClock clock;
    // The real radio worker and cwdaemon output, for a window that talks to the real daemons.
    std::unique_ptr<RigWorker> rig;
    std::unique_ptr<CwdaemonOutput> cwdaemon;
    std::unique_ptr<MainWindow> w;
    std::filesystem::path home;

    explicit StartedWindow(std::filesystem::path h = temp_home().toStdString(), bool radio = false)
        : home(std::move(h)) {
        serial.available = true;  // a keying box is there, so no start-up message
        Ports ports{nullptr, &serial, &player, &clock};
        if (radio) {
            rig = std::make_unique<RigWorker>();
            cwdaemon = std::make_unique<CwdaemonOutput>();
            ports.rig = rig.get();
            ports.rig_keyer = rig.get();
            ports.cwdaemon = cwdaemon.get();
        }
        w = std::make_unique<MainWindow>(ports);
        if (rig) w->attach_rig(*rig);
        w->show();
        w->activateWindow();  // keys reach the window through the focused field, as when typing
        if (!QTest::qWaitForWindowActive(w.get())) qFatal("window not active");
        if (!w->start(home)) qFatal("start failed");
    }
    Session& session() { return w->session(); }
    // IARU on SSB with own data (the callsign only when given), no database lookup, the entry
    // fields ready for the next QSO.
    void prepare_iaru_ssb(const Text& own_call) {
        Session& s = session();
        s.szabaly_combo.set(static_cast<int>(ContestType::Iaru));
        szabaly_combo_Click(s);
        s.station.hivojel_text = own_call;
        s.station.QRA_text = "JN97MM";
        s.qso.kezelo_text = "PETER";
        s.qso.sex_combo.set(2);
        s.qso.mod_combo.set(1);
        s.automata_check = false;
        log_inic_rutin(s);
        w->refresh(Aspect::All);
    }
    template <class T>
    T* find(const char* name) const {
        auto* found = w->findChild<T*>(name);
        if (!found) qFatal("missing widget %s", name);
        return found;
    }
    // The item with this text picked as the operator picks it, activation included.
    void choose(const char* combo, const QString& item) {
        auto* c = find<QComboBox>(combo);
        const int index = c->findText(item);
        if (index < 0) qFatal("no item %s in %s", qPrintable(item), combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    // Keys into whichever field has the focus, as the operator types: ' ' is Space, '\n' Enter.
    void type(const char* keys) {
        for (const char* k = keys; *k; ++k) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
            if (*k == ' ' || *k == '\n') {
                QTest::keyClick(target, *k == ' ' ? Qt::Key_Space : Qt::Key_Return);
            } else {
                QTest::keyClicks(target, QString(QLatin1Char(*k)));
            }
        }
    }
    // Characters into a field as a keyboard of any layout sends them: key events with text only.
    void send_text(const char* field, const QString& text) {
        QWidget* e = find<QWidget>(field);
        e->setFocus();
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(e, &press);
        }
    }
    // The text of a row of a list view.
    QString item(const char* list, int row) const {
        return find<QListView>(list)->model()->index(row, 0).data().toString();
    }
};

}  // namespace loxar::testing
