// Tests of the help text: size, line ends, required content and order, 8-bit safety.
#include "ui/help_text.hpp"

#include "model/contest_types.hpp"
#include "reports/data_sheet.hpp"
#include "text/text.hpp"
#include "ui/qt_text.hpp"
#include "ui/support/ui_test.hpp"

namespace {

QStringList lines() {
    return loxar::help_text().split(QStringLiteral("\r\n"));
}

bool has_line_starting(const QString& head) {
    for (const QString& line : lines()) {
        if (line.startsWith(head)) return true;
    }
    return false;
}

}  // namespace

class HelpTextTest : public QObject {
    Q_OBJECT

private slots:
    // About 190 lines joined with CR LF, each fitting the help panel, none lost to cp1250.
    void shape_of_the_text() {
        const QString text = loxar::help_text();
        QVERIFY2(lines().size() >= 180, qPrintable(QString::number(lines().size())));
        QVERIFY(lines().size() <= 220);
        QString rest = text;
        rest.remove(QStringLiteral("\r\n"));
        QVERIFY(!rest.contains('\r'));
        QVERIFY(!rest.contains('\n'));
        QCOMPARE(lines(), loxar::help_lines());
        for (const QString& line : lines()) QVERIFY2(line.size() <= 80, qPrintable(line));
        const loxar::Text bytes = loxar::utf8_to_cp1250(text.toStdString());
        QCOMPARE(QString::fromStdString(loxar::cp1250_to_utf8(bytes)), text);
    }

    void holds_the_database_line_syntax_as_a_line_of_its_own() {
        QVERIFY(lines().contains("Hivójel;QRA1,QRA2,QRA3,QRA4;Név;QTH;EXCHANGE;NMARK tagság;HADXC sorszám"));
        const QString text = loxar::help_text();
        QVERIFY(text.contains(".QRA"));
        QVERIFY(text.contains("legfeljebb 4 QRA lokátor, egy név, egy QTH és egy EXCHANGE"));
    }

    // Each contest type opens a line of the contest-type table, each sheet tag one of the field table.
    void describes_every_contest_type_and_data_sheet_field() {
        for (const loxar::Text& type : loxar::contest_type_names()) {
            QVERIFY2(has_line_starting(loxar::qs(type) + ' '), qPrintable(loxar::qs(type)));
        }
        for (int i = 0; i < loxar::kSheetTagCount; ++i) {
            const QString tag = loxar::qs(loxar::sheet_tag(i));
            QVERIFY2(has_line_starting(tag + ' '), qPrintable(tag));
        }
    }
};

LOXAR_UI_TEST(HelpTextTest)
#include "help_text_test.moc"
