// The report panel used as an operator does: result calculation, the result views, building,
// editing and saving the report.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/file_io.hpp"
#include "session/contest_rules.hpp"
#include "session/scoring.hpp"
#include "session/startup.hpp"
#include "support/sample_lines.hpp"
#include "ui/qt_text.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

// A window with own data and a small log of the contest type, on the report panel.
struct ReportWindow : testing::StartedWindow {
    explicit ReportWindow(ContestType type) {
        Session& s = session();
        s.szabaly_combo.set(static_cast<int>(type));
        szabaly_combo_Click(s);
        s.station.hivojel_text = "HA5XYZ";
        s.station.QRA_text = "JN97MM";
        s.qso.kezelo_text = "PETER";
        s.qso.sex_combo.set(2);
        for (int i = 1; i <= 3; ++i) {
            Text line = testing::general("HA" + std::to_string(i) + "ABC", i, "145 MHz", "11:29", "SSB",
                                         zero_pad(i, 4));
            line[57] = i == 2 ? 'N' : 'F';  // received sex, for YL-OM
            s.log_lista.add(line);
        }
        ossz_pontszam_szamolas(s);
        w->refresh(Aspect::All);
        find<QPushButton>("main_cmd_2")->click();
    }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisible(); }
};

}  // namespace

class ReportPanelTest : public QObject {
    Q_OBJECT
private slots:
    void ediResultsThenTheReportEditedAndSaved() {
        ReportWindow win(ContestType::Iaru);
        QCOMPARE(win.find<QComboBox>("formatum_combo")->currentText(), QStringLiteral("EDIF"));
        QVERIFY(win.shown("edi_result_keret"));
        QCOMPARE(win.find<QLabel>("result_label_0")->text(), QStringLiteral("CQSOs"));

        {
            testing::Modals boxes;  // the duplicate and serial checks report
            win.find<QPushButton>("eredmeny_cmd")->click();
        }
        QCOMPARE(win.find<QListView>("qso_lista")->model()->rowCount(), 3);
        QCOMPARE(win.find<QLineEdit>("tx_CQSOs")->text(), QStringLiteral("3"));
        QCOMPARE(win.find<QLineEdit>("tx_CQSOMul")->text(), QStringLiteral("1"));
        QVERIFY(win.find<QRadioButton>("edi_valaszto_0")->isChecked());

        win.find<QPushButton>("jegyzokonyv_cmd")->click();
        QVERIFY(win.shown("riport_keret"));
        QVERIFY(!win.shown("edi_result_keret"));
        QVERIFY(win.find<QRadioButton>("edi_valaszto_1")->isChecked());
        auto* text = win.find<QPlainTextEdit>("edi_riport_text");
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("[REG1TEST;1]\nTName=")));

        // The operator's edit is what gets saved, with CR LF line ends.
        text->moveCursor(QTextCursor::End);
        text->insertPlainText(QStringLiteral("; kézzel"));
        testing::answer_chooser(QStringLiteral("hetvege"), true);  // then "Elmentve!"
        win.find<QPushButton>("edi_save_riport_cmd")->click();
        const std::optional<Text> saved = read_file(win.home / "REPORT" / "hetvege.edi");
        QVERIFY(saved.has_value());
        QCOMPARE(*saved, win.session().report.edi_riport_text);
        QVERIFY(saved->find("[END;generated with <Loxar by Tarvik>]\r\n") != Text::npos);
        QVERIFY(saved->ends_with(hu(u8"; kézzel")));

        win.find<QRadioButton>("edi_valaszto_0")->click();
        QVERIFY(win.shown("edi_result_keret"));
        QVERIFY(!win.shown("riport_keret"));
    }

    void ylomResultListAndStatistics() {
        ReportWindow win(ContestType::YlOm);
        QCOMPARE(win.find<QComboBox>("formatum_combo")->currentText(), QStringLiteral("YLOM"));
        win.find<QPushButton>("eredmeny_cmd")->click();
        QVERIFY(win.shown("adif_result_keret"));
        QCOMPARE(win.find<QListView>("adif_qso_lista")->model()->rowCount(), 3);
        QCOMPARE(win.find<QLabel>("adif_statisztika_label")->text(),
                 QStringLiteral("3 QSO(s)  NN:0   NF:0   FN:1   FF:2   Összesen:7 pont"));
        QVERIFY(win.find<QLabel>("yl_label")->text().startsWith(QStringLiteral("Dátum    Idő")));

        win.find<QPushButton>("jegyzokonyv_cmd")->click();
        QVERIFY(win.find<QPlainTextEdit>("edi_riport_text")
                    ->toPlainText()
                    .startsWith(QStringLiteral("ADIF Created with Loxar by Tarvik, conforming")));
    }

    void aCabrilloFormatOpensOnItsReport() {
        ReportWindow win(ContestType::Hadx);
        QCOMPARE(win.find<QComboBox>("formatum_combo")->currentText(), QStringLiteral("HA-DX"));
        QVERIFY(win.shown("riport_keret"));
        win.find<QPushButton>("jegyzokonyv_cmd")->click();
        const QString text = win.find<QPlainTextEdit>("edi_riport_text")->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("START-OF-LOG: 3.0\n")));
        QVERIFY(text.endsWith(QStringLiteral("END-OF-LOG:\n")));
        QCOMPARE(text.count(QStringLiteral("\nQSO: ")), 3);
    }

    // The check shows each finding with its line; the operator may still save.
    void theCheckShowsTheFindingsOfADamagedReport() {
        ReportWindow win(ContestType::Hadx);
        win.find<QPushButton>("jegyzokonyv_cmd")->click();
        auto* text = win.find<QPlainTextEdit>("edi_riport_text");
        text->setPlainText(text->toPlainText().replace(QStringLiteral(" 1129 "), QStringLiteral(" 1199 ")));
        win.find<QPushButton>("riport_ellenorzes_cmd")->click();
        const QAbstractItemModel* rows = win.find<QListView>("riport_hibak_lista")->model();
        QStringList shown;
        for (int i = 0; i < rows->rowCount(); ++i) shown << rows->index(i, 0).data().toString();
        QVERIFY2(shown.contains(QStringLiteral("6: nincs kiválasztva a CATEGORY-OPERATOR értéke")),
                 qPrintable(shown.join('\n')));
        QCOMPARE(shown.filter(QStringLiteral(": hibás időpont: \"1199\"")).size(), 3);
        QVERIFY(win.find<QPushButton>("edi_save_riport_cmd")->isEnabled());
    }
};

LOXAR_UI_TEST(ReportPanelTest)
#include "report_panel_test.moc"
