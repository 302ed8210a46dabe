// Registration of window test classes and helpers for answering modal dialogs.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <type_traits>
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

// While it lives, answers every modal window at once: a yes/no question with yes when told (and
// counted), any other box closed and its text noted. An unexpected box then fails a test instead
// of hanging it; owning the timer keeps a late tick away from the next test.
class Modals {
public:
    explicit Modals(bool yes = false);
    int questions = 0;
    QStringList seen;

private:
    QTimer timer_;
};

// Answers the next file chooser with `name` and OK; with `then_close`, also closes the message
// box that follows it (e.g. "Elmentve!").
void answer_chooser(const QString& name, bool then_close = false);

// A fresh temporary home directory per test.
QString temp_home();

// Qt Test data tables a row to a line: columns<int, QString>("mode", "name") in the _data slot,
// then row("pick", 1, "abc.log"); C strings become QString, as the columns hold them.
template <class... T, class... N>
void columns(N... names) {
    (QTest::addColumn<T>(names), ...);
}
template <class V>
auto cell(const V& v) {
    if constexpr (std::is_convertible_v<const V&, const char*>) {
        return QString::fromUtf8(v);
    } else {
        return v;
    }
}
template <class... V>
void row(const char* name, const V&... cells) {
    (QTest::newRow(name) << ... << cell(cells));
}

}  // namespace loxar::testing

#define LOXAR_UI_TEST(Class) \
    static ::loxar::testing::RegisterUiTest loxar_register_##Class([] { return new Class; });
