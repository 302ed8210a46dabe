// The control table and the window agree: every control has one widget of its kind, and every
// widget that holds a value the session keeps is a control of the table.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/controls.hpp"
#include "ui/support/started_window.hpp"

using namespace loxar;

namespace {

const char* widget_class(ControlKind kind) {
    switch (kind) {
        case ControlKind::LineEdit: return "QLineEdit";
        case ControlKind::TextBox: return "QPlainTextEdit";
        case ControlKind::Combo: return "QComboBox";
        case ControlKind::Check: return "QCheckBox";
        case ControlKind::Radio: return "QRadioButton";
        case ControlKind::List: return "QListView";
        case ControlKind::Button: return "QPushButton";
        case ControlKind::Label: return "QLabel";
        case ControlKind::Frame: return "QGroupBox";
    }
    return "";
}

QString name_of(Control c) {
    const std::string_view name = control_name(c);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

class ControlTableTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasOneWidgetOfItsKind() {
        testing::StartedWindow win;
        QStringList wrong;
        for (std::size_t i = 0; i < kControlCount; ++i) {
            const auto c = static_cast<Control>(i);
            const QList<QWidget*> found = win.w->findChildren<QWidget*>(name_of(c));
            if (found.size() != 1) {
                wrong << QStringLiteral("%1: %2 widgets").arg(name_of(c)).arg(found.size());
            } else if (!found.front()->inherits(widget_class(control_kind(c)))) {
                wrong << QStringLiteral("%1: a %2, not a %3")
                             .arg(name_of(c), QString::fromLatin1(found.front()->metaObject()->className()),
                                  QString::fromLatin1(widget_class(control_kind(c))));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Buttons, labels and frames the session never names may stay out of the table; a widget that
    // holds a value (text, choice, tick, list) is the session's and must be in it.
    void everyNamedValueWidgetIsAControl() {
        testing::StartedWindow win;
        QStringList missing;
        for (QWidget* w : win.w->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;  // Qt's own parts
            const bool holds_value = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                                     qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w) ||
                                     qobject_cast<QRadioButton*>(w) || qobject_cast<QAbstractItemView*>(w);
            if (holds_value && !find_control(name.toStdString())) missing << name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }
};

LOXAR_UI_TEST(ControlTableTest)
#include "control_table_test.moc"
