// The data-sheet panel as the operator uses it: tagged fields, filters, dates, remark, buttons.
#include "ui/data_sheet_panel.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "model/file_io.hpp"
#include "reports/data_sheet.hpp"
#include "support/fake_ports.hpp"
#include "ui/main_window.hpp"
#include "ui/qt_text.hpp"
#include "ui/support/started_window.hpp"
#include "ui/support/ui_test.hpp"

using namespace loxar;

namespace {

// A started window with the sheet panel shown and wired.
struct SheetWindow : testing::StartedWindow {
    SheetWindow() {
        MainWindow* mw = w.get();
        ui::wire_data_sheet_panel(find<QWidget>("adatlap_keret"), mw->session(), *mw,
                                  [mw] { mw->refresh(Aspect::All); });
        session().panel = Panel::Adatlap;
        w->refresh(Aspect::All);
    }
    // Into a date field from its first position, as after a click at its start.
    void type_date(const char* field, const QString& digits) {
        find<QLineEdit>(field)->setFocus();
        QTest::keyClick(find<QLineEdit>(field), Qt::Key_Home);
        send_text(field, digits);
    }
};

}  // namespace

class DataSheetPanelTest : public QObject {
    Q_OBJECT
private slots:
    // The field and category tables are wired in: tags, tooltips, lists.
    void everyFieldShowsItsTagAndTooltip() {
        SheetWindow win;
        for (const SheetField& f : sheet_fields()) {
            auto* e = win.find<QLineEdit>(f.control);
            QCOMPARE(e->toolTip(), QString::fromUtf8(f.tooltip));
            const std::string label = "adatlap_label_" + std::to_string(f.label_index);
            QCOMPARE(win.find<QLabel>(label.c_str())->text(), qs(sheet_tag(f.label_index)));
        }
        for (const char* date : {"tx_TDate_1", "tx_TDate_2"}) {
            QCOMPARE(win.find<QLineEdit>(date)->inputMask(), QStringLiteral("0000-00-00;_"));
            QCOMPARE(win.find<QLineEdit>(date)->displayText(), QStringLiteral("____-__-__"));
        }
        for (const CategoryList& list : category_lists()) {
            auto* c = win.find<QComboBox>(list.control);
            QCOMPARE(c->count(), static_cast<int>(list.items.size()));
            QCOMPARE(c->itemText(c->count() - 1), qs(list.items.back()));
            QCOMPARE(c->currentIndex(), 0);
        }
    }

    void typedCharactersAreFilteredPerField() {
        SheetWindow win;
        win.send_text("tx_PCall", QStringLiteral("ha5ő"));
        QCOMPARE(win.find<QLineEdit>("tx_PCall")->text(), QStringLiteral("HA5O"));
        QCOMPARE(win.session().sheet.tx_PCall, Text("HA5O"));
        win.send_text("tx_RName", QStringLiteral("Ödön x"));
        QCOMPARE(win.find<QLineEdit>("tx_RName")->text(), QStringLiteral("Odon x"));
        QCOMPARE(win.session().sheet.tx_RName, Text("Odon x"));
        win.send_text("tx_RAdr2", QStringLiteral("ő"));
        QCOMPARE(win.session().sheet.tx_RAdr2, hu(u8"ő"));
    }

    void dateFieldsHoldWhatTheyShow() {
        SheetWindow win;
        QCOMPARE(win.session().sheet.tx_TDate_1, Text(kEmptyDate));
        win.type_date("tx_TDate_1", QStringLiteral("2004"));
        QCOMPARE(win.session().sheet.tx_TDate_1, Text("2004-__-__"));
        win.w->refresh(Aspect::All);
        win.send_text("tx_TDate_1", QStringLiteral("0501"));
        QCOMPARE(win.find<QLineEdit>("tx_TDate_1")->displayText(), QStringLiteral("2004-05-01"));
        QCOMPARE(win.session().sheet.tx_TDate_1, Text("2004-05-01"));
    }

    void saveEraseAndLoadThroughTheButtons() {
        SheetWindow win;
        win.send_text("tx_TName", QStringLiteral("hg vhf"));
        win.type_date("tx_TDate_1", QStringLiteral("20040501"));
        win.send_text("tx_SAntH_ground", QStringLiteral("12"));
        auto* power = win.find<QComboBox>("hadx_power_combo");
        power->setCurrentIndex(2);
        emit power->activated(2);
        QCOMPARE(win.session().sheet.hadx_power_combo.list_index, 2);

        testing::answer_chooser(QStringLiteral("verseny"), true);
        win.find<QPushButton>("data_save_cmd")->click();
        const auto saved = read_file(win.home / "ADATOK" / "verseny.hdr");
        QVERIFY(saved.has_value());
        const std::vector<Text> lines = split_lines(*saved);
        QCOMPARE(lines.size(), std::size_t{40});
        QCOMPARE(lines[1], Text("HG VHF"));
        QCOMPARE(lines[2], Text("2004-05-01"));
        QCOMPARE(lines[3], Text(kEmptyDate));
        QCOMPARE(lines[27], Text("12"));
        QCOMPARE(lines[31], Text("2"));

        win.find<QPushButton>("data_erase_cmd")->click();
        QCOMPARE(win.find<QLineEdit>("tx_TName")->text(), QString());
        QCOMPARE(win.find<QLineEdit>("tx_TDate_1")->displayText(), QStringLiteral("____-__-__"));
        QCOMPARE(power->currentIndex(), 0);

        // The log is empty, so loading is followed by the refresh from the own data.
        win.session().station.hivojel_text = "HA5XX";
        testing::answer_chooser(QStringLiteral("verseny.hdr"));
        win.find<QPushButton>("data_load_cmd")->click();
        QCOMPARE(win.find<QLineEdit>("tx_TName")->text(), QStringLiteral("HG VHF"));
        QCOMPARE(win.find<QLineEdit>("tx_TDate_1")->displayText(), QStringLiteral("2004-05-01"));
        QCOMPARE(win.find<QLineEdit>("tx_SAntH_ground")->text(), QStringLiteral("12"));
        QCOMPARE(win.find<QLineEdit>("tx_PCall")->text(), QStringLiteral("HA5XX"));
        QCOMPARE(power->currentIndex(), 2);
    }

    void remarkKeepsItsLinesAndRadirEmptiesIt() {
        SheetWindow win;
        auto* remark = win.find<QPlainTextEdit>("megjegyzes_text");
        win.send_text("megjegyzes_text", QStringLiteral("első"));
        QTest::keyClick(remark, Qt::Key_Return);
        win.send_text("megjegyzes_text", QStringLiteral("második"));
        QCOMPARE(win.session().sheet.megjegyzes_text, hu(u8"első\r\nmásodik"));
        win.find<QPushButton>("data_erase_cmd")->click();  // the remark survives the erase
        QCOMPARE(remark->toPlainText(), QStringLiteral("első\nmásodik"));
        win.find<QPushButton>("megjegyzes_torles_cmd")->click();
        QCOMPARE(remark->toPlainText(), QString());
        QCOMPARE(win.session().sheet.megjegyzes_text, Text());
    }

    void wiringTwiceActsOnce() {
        SheetWindow win;
        MainWindow* mw = win.w.get();
        int second_refreshes = 0;
        ui::wire_data_sheet_panel(win.find<QWidget>("adatlap_keret"), mw->session(), *mw,
                                  [&second_refreshes] { ++second_refreshes; });
        win.session().sheet.tx_TName = "X";
        win.find<QPushButton>("data_erase_cmd")->click();
        QCOMPARE(win.session().sheet.tx_TName, Text());
        QCOMPARE(second_refreshes, 0);
    }
};

LOXAR_UI_TEST(DataSheetPanelTest)
#include "data_sheet_panel_test.moc"
