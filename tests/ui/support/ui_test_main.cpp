// Runs every registered window test class in one QApplication and sums the failures.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "ui/support/ui_test.hpp"

namespace loxar::testing {

std::vector<std::function<QObject*()>>& ui_test_factories() {
    static std::vector<std::function<QObject*()>> factories;
    return factories;
}

void when_modal_opens(std::function<void(QWidget*)> act, int timeout_ms) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited, timeout_ms] {
        *waited += 10;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (*waited > timeout_ms) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

void click_in_next_modal(const QString& button_name, int timeout_ms) {
    when_modal_opens(
        [button_name](QWidget* modal) {
            if (auto* b = modal->findChild<QPushButton*>(button_name)) b->click();
        },
        timeout_ms);
}

Modals::Modals(bool yes) {
    QObject::connect(&timer_, &QTimer::timeout, [this, yes] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (auto* igen = modal->findChild<QPushButton*>("igen_cmd"); igen && yes) {
            ++questions;
            igen->click();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen << (box ? box->text() : modal->objectName());
        modal->close();
    });
    timer_.start(0);
}

void answer_chooser(const QString& name, bool then_close) {
    when_modal_opens([name, then_close](QWidget* chooser) {
        if (then_close) when_modal_opens([](QWidget* box) { box->close(); });
        chooser->findChild<QLineEdit*>("destination_nev")->setText(name);
        chooser->findChild<QPushButton*>("oke")->click();
    });
}

QString temp_home() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path() + "/home";
}

}  // namespace loxar::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed_classes = 0, passed_classes = 0;
    // LOXAR_UI_CLASS=EntryInputTest runs that class alone (Qt Test's own arguments pick functions).
    const QByteArray only = qgetenv("LOXAR_UI_CLASS");
    for (auto& make : loxar::testing::ui_test_factories()) {
        std::unique_ptr<QObject> test(make());
        if (!only.isEmpty() && only != test->metaObject()->className() &&
            !QByteArray(test->metaObject()->className()).endsWith("::" + only)) {
            continue;
        }
        if (QTest::qExec(test.get(), argc, argv) == 0) {
            ++passed_classes;
        } else {
            ++failed_classes;
        }
    }
    std::printf("%d passed, %d failed\n", passed_classes, failed_classes);
    return failed_classes == 0 ? 0 : 1;
}
