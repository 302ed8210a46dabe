// A short contest of each family typed into the window: contest type, mode and own data chosen in
// their widgets, "Új verseny", then QSOs from the keyboard alone; the lines and the score it shows.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <utility>
#include <vector>

#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

using Columns = std::vector<std::pair<int, int>>;  // 1-based first column, width

struct Family {
    const char* type;
    const char* mode;
    const char* exch;                // own exchange
    std::vector<const char*> qsos;   // keys of each QSO: ' ' is Space, '\n' Enter
    Columns columns;                 // the columns of each line that are compared
    std::vector<const char*> lines;  // those columns of each line, joined by '|'
    const char* total;               // ossz_pontszam_text
    const char* counter;             // qso_label
    const char* info = nullptr;      // qth_label, for the family that writes its counts there
};

const Columns kGeneral = {{21, 6}, {46, 4}, {64, 4}, {75, 11}, {87, 5}};

const Family kFamilies[] = {
    {"YL-OM",
     "SSB",
     "25",
     {"ha1abc 30 eva n\n", "ha5kdr 12 jozsi f\n", "ha7xyz 5 anna n\n"},
     {{21, 6}, {46, 4}, {58, 1}, {64, 4}, {73, 1}, {75, 11}, {87, 5}},
     {"HA1ABC|0030|N|0025|F|00005/00005|00001", "HA5KDR|0012|F|0025|F|00001/00001|00002",
      "HA7XYZ|0005|N|0025|F|00005/00005|00003"},
     "11",
     "",
     "N-N:0  N-F:0  F-N:2  F-F:1"},
    {"HADX",
     "SSB",
     "BP",
     {"dl1abc 12\n", "ha5kdr bp\n", "dl2xyz 7\n"},
     kGeneral,
     {"DL1ABC|0012|BP  |DX/--/00003|00001", "HA5KDR|BP  |BP  |DX/--/00001|00002",
      "DL2XYZ|0007|BP  |--/--/00003|00003"},
     "14",
     "3/2"},
    {"HA-QRP",
     "CW",
     "",
     {"ha1abc budapest janos\n", "ha5kdr gyor\n", "dl1abc berlin hans\n"},
     {{21, 6}, {42, 5}, {57, 8}, {87, 5}, {104, 3}, {116, 8}},
     {"HA1ABC|JANOS|BUDAPEST|00001|2=N|BUDAPEST", "HA5KDR|     |GYOR    |00002|1=-|BUDAPEST",
      "DL1ABC|HANS |BERLIN  |00003|2=N|BUDAPEST"},
     "10",
     "3/2"},
    {"RH-OB",
     "SSB",
     "",
     {"ha1abc bp\n", "ha5kdr pe\n", "ha7xyz bp\n"},
     {{21, 6}, {46, 4}, {64, 4}, {75, 11}, {87, 5}, {108, 7}},
     {"HA1ABC|BP  |0001|00000/00001|00001|03500  ", "HA5KDR|PE  |0002|00000/00001|00002|03500  ",
      "HA7XYZ|BP  |0003|00000/00001|00003|03500  "},
     "0",
     "N:003 Q:003 M:000"},
    {"SILENT KEY MEM",
     "CW",
     "HA5XX",
     {"ha1abc ha5zz\n", "dl1abc\n", "ja1abc ha5zz\n"},
     {{21, 6}, {39, 5}, {57, 5}, {75, 11}, {87, 5}, {116, 2}},
     {"HA1ABC|HA5ZZ|HA5XX|IT/SK=00002|00001|28", "DL1ABC|     |HA5XX|--/--=00001|00002|28",
      "JA1ABC|HA5ZZ|HA5XX|IT/--=00005|00003|45"},
     "24",
     "3/2/1"},
    {"SWL-Általános",
     "SSB",
     "",
     {"ha1abc 1 ha2def\n", "ha3ghi 12 ha4jkl\n", "dl1abc 7 ha2def\n"},
     {{21, 8}, {30, 3}, {34, 6}, {52, 3}, {56, 5}, {65, 6}, {83, 3}, {87, 8}, {96, 5}},
     {"145 MHz |SSB|HA1ABC|059|00001|HA2DEF|059|        |00001",
      "145 MHz |SSB|HA3GHI|059|00012|HA4JKL|059|        |00002",
      "145 MHz |SSB|DL1ABC|059|00007|HA2DEF|059|        |00003"},
     "0",
     ""},
};

struct Contest : testing::StartedWindow {
    void fill(const char* field, const char* text) {
        auto* e = find<QLineEdit>(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
};

QString cut(const QString& line, const Columns& columns) {
    QStringList parts;
    for (auto [from, width] : columns) parts << line.mid(from - 1, width);
    return parts.join(QLatin1Char('|'));
}

}  // namespace

class ContestFamiliesTest : public QObject {
    Q_OBJECT
private slots:
    void aShortContestIsTypedAndScored_data() {
        QTest::addColumn<int>("family");
        for (int i = 0; i < int(std::size(kFamilies)); ++i) QTest::newRow(kFamilies[i].type) << i;
    }
    void aShortContestIsTypedAndScored() {
        QFETCH(int, family);
        const Family& f = kFamilies[family];
        Contest win;
        testing::Modals dialogs(true);  // yes to every question

        win.choose("szabaly_combo", QString::fromUtf8(f.type));
        win.choose("mod_combo", QString::fromUtf8(f.mode));
        win.fill("hivojel_text", "HA5XX");
        win.fill("QRA_text", "JN97AA");
        win.fill("kezelo_text", "peter");
        win.fill("qth_text", "BUDAPEST");
        win.fill("exch_text", f.exch);
        win.choose("sex_combo", QStringLiteral("Férfi"));
        if (!win.find<QCheckBox>("auto_torles_check")->isChecked())
            win.find<QCheckBox>("auto_torles_check")->click();
        win.find<QPushButton>("uj_lista_cmd")->click();
        QCOMPARE(dialogs.questions, 2);
        win.w->activateWindow();  // the questions were windows of their own
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));

        win.find<QLineEdit>("kapott_hivojel_text")->setFocus();
        for (const char* keys : f.qsos) win.type(keys);

        QCOMPARE(dialogs.seen, QStringList());
        QCOMPARE(win.find<QListView>("log_lista")->model()->rowCount(), int(f.lines.size()));
        for (int row = 0; row < int(f.lines.size()); ++row) {
            QCOMPARE(cut(win.item("log_lista", row), f.columns), QString::fromUtf8(f.lines[row]));
        }
        QCOMPARE(win.find<QLineEdit>("ossz_pontszam_text")->text(), QString::fromUtf8(f.total));
        QCOMPARE(win.find<QLabel>("qso_label")->text(), QString::fromUtf8(f.counter));
        if (f.info) QCOMPARE(win.find<QLabel>("qth_label")->text(), QString::fromUtf8(f.info));
    }
};

LOXAR_UI_TEST(ContestFamiliesTest)
#include "contest_families_test.moc"
