// Registration of window test classes and helpers for answering modal dialogs.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

namespace loxar::testing {

std::vector<std::function<QObject*()>>& ui_test_factories();

struct RegisterUiTest {
    explicit RegisterUiTest(std::function<QObject*()> make) {
        ui_test_factories().push_back(std::move(make));
    }
};

// Runs `act` on the next modal widget that opens (within `timeout_ms`), e.g. to click a button.
void when_modal_opens(std::function<void(QWidget*)> act, int timeout_ms = 5000);
// Clicks the push button with this object name inside the next modal widget.
void click_in_next_modal(const QString& button_name, int timeout_ms = 5000);

// A fresh temporary home directory per test.
QString temp_home();

}  // namespace loxar::testing

#define LOXAR_UI_TEST(Class) \
    static ::loxar::testing::RegisterUiTest loxar_register_##Class([] { return new Class; });
