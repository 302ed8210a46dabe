// Tests of the help text: size, line ends, required content and order, 8-bit safety.
#include "ui/help_text.hpp"

#include "text/text.hpp"
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
    void has_about_190_lines_joined_with_crlf() {
        const QString text = loxar::help_text();
        QVERIFY2(lines().size() >= 180, qPrintable(QString::number(lines().size())));
        QVERIFY(lines().size() <= 220);
        QString rest = text;
        rest.remove(QStringLiteral("\r\n"));
        QVERIFY(!rest.contains('\r'));
        QVERIFY(!rest.contains('\n'));
        QCOMPARE(lines(), loxar::help_lines());
    }

    void holds_the_database_line_syntax_as_a_line_of_its_own() {
        QVERIFY(lines().contains("Hivójel;QRA1,QRA2,QRA3,QRA4;Név;QTH;EXCHANGE;NMARK tagság;HADXC sorszám"));
        const QString text = loxar::help_text();
        QVERIFY(text.contains(".QRA"));
        QVERIFY(text.contains("legfeljebb 4 QRA lokátor, egy név, egy QTH és egy EXCHANGE"));
    }

    void describes_every_contest_type_data() {
        QTest::addColumn<QString>("type");
        for (const char* type :
             {"...", "IARU", "YL-OM", "CQ-BP", "EXCHANGE", "HADX", "CQWW-VHF", "HA-QRP", "RH-OB", "RUDX-ALL",
              "RUDX-TWO", "HSKC", "SILENT KEY MEM", "DX", "NMARK", "REF", "SWL-Általános"}) {
            QTest::newRow(type) << QString::fromUtf8(type);
        }
    }
    void describes_every_contest_type() {
        QFETCH(QString, type);
        // Each type opens a line of the contest-type table.
        QVERIFY(has_line_starting(type + ' '));
    }

    void describes_every_data_sheet_field_data() {
        QTest::addColumn<QString>("tag");
        for (const char* tag :
             {"TName", "TDate", "PCall", "PWWLo", "PExch", "PAdr1", "PAdr2", "PSect", "PBand",
              "PClub", "RName", "RCall", "RAdr1", "RAdr2", "RPoCo", "RCity", "RCoun", "RPhon",
              "RHBBS", "MOpe1", "MOpe2", "STXEq", "SPowe", "SRXEq", "SAnte", "SAntH"}) {
            QTest::newRow(tag) << QString::fromLatin1(tag);
        }
    }
    void describes_every_data_sheet_field() {
        QFETCH(QString, tag);
        QVERIFY(has_line_starting(tag + ' '));
    }

    void keeps_the_sections_in_order() {
        const QStringList headings = {"1. MIRE VALÓ A PROGRAM?",
                                      "2. KEZELÉSI TANÁCSOK",
                                      "3. JEGYZŐKÖNYV FORMÁTUMOK, EXPORT ÉS IMPORT",
                                      "4. A VERSENYTÍPUSOK",
                                      "5. A VERSENY INDÍTÁSA",
                                      "6. A HÍVÓJEL-ADATBÁZIS",
                                      "7. AZ ADATLAP MEZŐI",
                                      "8. A JEGYZŐKÖNYV ELKÉSZÍTÉSE"};
        qsizetype previous = -1;
        for (const QString& h : headings) {
            const qsizetype at = lines().indexOf(h);
            QVERIFY2(at > previous, qPrintable(h));
            previous = at;
        }
    }

    void survives_the_8_bit_code_page() {
        // Every file and field of the program is cp1250; the help must not lose characters.
        const std::string utf8 = loxar::help_text().toStdString();
        const loxar::Text bytes = loxar::utf8_to_cp1250(utf8);
        QCOMPARE(QString::fromStdString(loxar::cp1250_to_utf8(bytes)), loxar::help_text());
    }

    void lines_fit_the_help_panel() {
        for (const QString& line : lines()) QVERIFY2(line.size() <= 80, qPrintable(line));
    }
};

LOXAR_UI_TEST(HelpTextTest)
#include "help_text_test.moc"
