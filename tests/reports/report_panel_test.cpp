// The report panel: the result button, building, saving and clearing, the results file and the
// format the panel opens with.
#include "session/report_panel.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/file_io.hpp"
#include "reports/adif_report.hpp"
#include "reports/cabrillo_report.hpp"
#include "reports/data_sheet.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using T = ContestType;
using testing::Worked;

// The contest type whose log each format reads, by format index.
constexpr T kTypeOf[kFormatCount] = {T::Iaru, T::YlOm,     T::Hadx,    T::CqwwVhf, T::HaQrp,
                                     T::RhOb, T::RudxAll,  T::RudxTwo, T::Hskc,    T::SilentKeyMem,
                                     T::Dx,   T::Exchange, T::Nmark,   T::Ref,     T::Swl};

// A QSO of the layout of `type`, both sides "Férfi" unless told otherwise.
Text qso(T type, const Text& call, int sex = 2) {
    return testing::line_of(type, {.call = call, .sex = sex, .own_sex = 2});
}

// A started window with own data, a log of `type` and `format` chosen in the report panel.
struct Window : testing::Started {
    Window(int format, std::vector<Text> lines) : Started(kTypeOf[format], testing::kOwnData) {
        log(lines);
        s.formatum_combo.set(format);
    }
    explicit Window(int format)
        : Window(format, {qso(kTypeOf[format], "HA5KDR"), qso(kTypeOf[format], "OK1KZ")}) {}
    bool visible(const char* control) { return s.view[find_control(control).value()].visible; }
};

TEST(ReportPanel, ResultButtonFillsTheFormatsResultView) {
    const struct {
        int format;
        std::size_t edi_lines, yl_lines;
        int beeps;  // -1: the calculation's own messages may beep
        bool result_view;
    } cases[] = {
        // The three formats with a result view, then one that beeps and one that stays silent.
        {kFormatEdif, 2, 0, -1, true}, {kFormatYlom, 0, 2, -1, true},  {kFormatCqwwVhf, 2, 0, -1, true},
        {kFormatHaDx, 0, 0, 1, false}, {kFormatNmark, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        Window w(c.format);
        edi_valaszto_Click(w.s, 1);  // the operator is reading the report
        eredmeny_cmd_Click(w.s);
        const std::string what = w.s.formatum_combo.text();
        EXPECT_EQ(w.s.report.qso_lista.size(), c.edi_lines) << what;
        EXPECT_EQ(w.s.report.adif_qso_lista.size(), c.yl_lines) << what;
        if (c.beeps >= 0) {
            EXPECT_EQ(w.fakes.ui.beeps, c.beeps) << what;
        }
        EXPECT_EQ(w.s.report.edi_valaszto, c.result_view ? 0 : 1) << what;
        EXPECT_EQ(w.visible("riport_keret"), !c.result_view) << what;
        const char* frame = c.format == kFormatYlom ? "adif_result_keret" : "edi_result_keret";
        if (c.result_view) {
            EXPECT_TRUE(w.visible(frame)) << what;
        }
    }
}

TEST(ReportPanel, EveryFormatEndsOnTheReportView) {
    for (int f = 0; f < kFormatCount; ++f) {
        Window w(f);
        edi_valaszto_Click(w.s, 0);
        jegyzokonyv_cmd_Click(w.s);
        const Text first = f == kFormatEdif      ? "[REG1TEST;1]"
                           : f == kFormatYlom    ? kAdifCreatedLine
                           : f == kFormatCqwwVhf ? "START-OF-LOG: 2.0"
                                                 : "START-OF-LOG: 3.0";
        const std::string what = w.s.formatum_combo.text();
        EXPECT_EQ(w.s.report.edi_riport_text.substr(0, first.size() + 2), first + "\r\n") << what;
        EXPECT_EQ(w.s.report.edi_valaszto, 1) << what;
        EXPECT_TRUE(w.visible("riport_keret")) << what;
        EXPECT_FALSE(w.visible("edi_result_keret")) << what;
        EXPECT_FALSE(w.visible("adif_result_keret")) << what;
        EXPECT_TRUE(w.fakes.ui.messages.empty()) << what;
    }
}

TEST(ReportPanel, YlomStopsAtAnUndefinedSex) {
    Window w(kFormatYlom, {qso(T::YlOm, "HA5KDR"), qso(T::YlOm, "HA7ZZ", 0)});
    w.s.report.edi_riport_text = "an earlier report";
    edi_valaszto_Click(w.s, 0);
    jegyzokonyv_cmd_Click(w.s);
    EXPECT_EQ(w.s.report.edi_riport_text, "");
    EXPECT_EQ(w.fakes.ui.messages,
              std::vector<Text>{hu(u8"HA7ZZ-nél nincs a Sex definialva! Javítsa majd nyomja "
                                   u8"meg az <Újraszámolás> gombot!")});
    EXPECT_EQ(w.fakes.ui.beeps, 1);
    EXPECT_EQ(w.s.report.edi_valaszto, 0);
    EXPECT_FALSE(w.visible("riport_keret"));
}

TEST(ReportPanel, ReportsAfterAFormatChangeReadTheLogAsItIsNow) {
    Window w(kFormatCqwwVhf, {qso(T::CqwwVhf, "HA5KDR")});
    formatum_combo_Click(w.s);
    EXPECT_EQ(w.s.report.qso_lista.size(), 1u);
    w.s.log_lista.add(qso(T::CqwwVhf, "OK1KZ"));
    jegyzokonyv_cmd_Click(w.s);
    EXPECT_NE(w.s.report.edi_riport_text.find("HA5KDR"), Text::npos);
    EXPECT_NE(w.s.report.edi_riport_text.find("OK1KZ"), Text::npos);

    // EDIF after CQ-WW-VHF puts EDI lines back in the list.
    w.s.formatum_combo.set(kFormatEdif);
    formatum_combo_Click(w.s);
    jegyzokonyv_cmd_Click(w.s);
    ASSERT_EQ(w.s.report.qso_lista.size(), 2u);
    EXPECT_EQ(w.s.report.qso_lista.at(0).size(), 80u);
    EXPECT_NE(w.s.report.edi_riport_text.find("]\r\n240504;1230;HA5KDR;2;599;0001;599;0001;"), Text::npos)
        << w.s.report.edi_riport_text;
}

TEST(ReportPanel, SavingTheReportWritesTheTextUnchanged) {
    // Bytes as the operator may leave them: accented cp1250, a bare LF, no final line end.
    const Text text = hu(u8"[REG1TEST;1]\r\nTName=Őszi kupa\nPCall=HA5XX");
    for (const auto& [f, ext] : {std::pair{kFormatEdif, "edi"}, std::pair{kFormatYlom, "adi"},
                                 std::pair{kFormatHaDx, "cbr"}, std::pair{kFormatExchange, "hdr"}}) {
        Window w(f, {});
        const fs::path file = w.s.paths.report_dir / "verseny.txt";
        ASSERT_TRUE(write_file_atomic(file, Text(500, 'x')));
        w.s.report.edi_riport_text = text;
        w.s.dialog.chooser_extension = "hdr";  // a sheet was saved last
        w.fakes.ui.chooser_results = {text_path(file)};
        edi_save_riport_cmd_Click(w.s);
        const std::string what = w.s.formatum_combo.text();
        EXPECT_EQ(w.s.dialog.chooser_extension, ext) << what;
        EXPECT_EQ(w.s.dialog.chooser_directory, text_path(w.s.paths.report_dir)) << what;
        EXPECT_EQ(w.s.dialog.chooser_mode, ChooserMode::Save) << what;
        EXPECT_EQ(read_file(file), text) << what;
        EXPECT_EQ(w.fakes.ui.messages, std::vector<Text>{"Elmentve!"}) << what;
        EXPECT_EQ(w.fakes.ui.beeps, 1) << what;
    }
}

TEST(ReportPanel, ExchangeSaveAfterAnEdiSaveOffersEdiAndCancelWritesNothing) {
    Window w(kFormatEdif, {});
    w.s.report.edi_riport_text = "[REG1TEST;1]\r\n";
    w.fakes.ui.chooser_results = {text_path(w.s.paths.report_dir / "a.edi")};
    edi_save_riport_cmd_Click(w.s);
    w.s.formatum_combo.set(kFormatExchange);
    w.fakes.ui.messages.clear();
    w.fakes.ui.beeps = 0;
    edi_save_riport_cmd_Click(w.s);  // cancelled
    EXPECT_EQ(w.s.dialog.chooser_extension, "edi");
    EXPECT_TRUE(w.fakes.ui.messages.empty());
    EXPECT_EQ(w.fakes.ui.beeps, 0);
    std::size_t files = 0;
    for (const auto& e : fs::directory_iterator(w.s.paths.report_dir)) files += e.exists();
    EXPECT_EQ(files, 1u);
}

// Distinct values in every result field, so that a swapped line shows.
// clang-format off
void fill_results(DataSheet& d) {
    d.tx_CQSOs = "57"; d.tx_CQSOMul = "2"; d.tx_CQSOP = "4321"; d.tx_CWWLs = "23";
    d.tx_CWWLBo = "3"; d.tx_CWWLMul = "4"; d.tx_CWWLB = "5"; d.tx_CExcs = "6";
    d.tx_CExcsBo = "7"; d.tx_CExcsMul = "8"; d.tx_CExcB = "9"; d.tx_CDXCs = "10";
    d.tx_CDXCBo = "11"; d.tx_CDXCMul = "12"; d.tx_CDXCB = "13"; d.tx_CToSc = "8642";
    d.tx_CODXC = "OK1KZ"; d.tx_CODXWWL = "JN79AA"; d.tx_CODXDis = "612"; d.tx_QSORecords = "58";
    d.tx_Remark = hu(u8"Első sor\r\nsecond line");
}
// clang-format on
const Text kFilledResultsFile =
    hu(u8"EDI data:\r\n57\r\n2\r\n4321\r\n23\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n"
       u8"12\r\n13\r\n8642\r\nOK1KZ\r\nJN79AA\r\n612\r\n58\r\nElső sor\r\nsecond line\r\nEnd\r\n");

TEST(ReportPanel, ResultsFileSavedAndLoadedBack) {
    Window w(kFormatEdif, {});
    fill_results(w.s.sheet);
    const Text file = text_path(w.s.paths.temp_dir / "eredmeny.txt");
    w.fakes.ui.chooser_results = {file};
    edi_save_cmd_Click(w.s);
    EXPECT_EQ(w.s.dialog.chooser_directory, text_path(w.s.paths.temp_dir));
    EXPECT_EQ(w.s.dialog.chooser_extension, "txt");
    EXPECT_EQ(read_file(fs_path(file)), kFilledResultsFile);
    EXPECT_EQ(w.fakes.ui.messages, std::vector<Text>{"Elmentve!"});

    clear_sheet(w.s.sheet);
    edi_erase_rutin(w.s);
    w.fakes.ui.chooser_results = {file};
    edi_load_cmd_Click(w.s);
    EXPECT_EQ(edi_results_file_text(w.s.sheet), kFilledResultsFile);
    EXPECT_EQ(w.s.sheet.tx_Remark, hu(u8"Első sor\r\nsecond line"));
}

TEST(ReportPanel, LoadingAFileThatIsNoResultsFileChangesNothing) {
    const Text cases[] = {
        "",
        "Header records:\r\nVHF\r\nEnd\r\n",
        "EDI data:\r\n57\r\n2\r\nEnd\r\n",                            // cut short
        kFilledResultsFile.substr(0, kFilledResultsFile.size() - 5),  // no closing "End"
        "edi data:" + kFilledResultsFile.substr(9),
    };
    for (const Text& bytes : cases) {
        Window w(kFormatEdif, {});
        fill_results(w.s.sheet);
        w.s.sheet.tx_CQSOs = "99";
        const Text before = edi_results_file_text(w.s.sheet);
        const fs::path file = w.s.paths.temp_dir / "mas.txt";
        ASSERT_TRUE(write_file_atomic(file, bytes));
        w.fakes.ui.chooser_results = {text_path(file)};
        edi_load_cmd_Click(w.s);
        EXPECT_EQ(w.fakes.ui.messages, std::vector<Text>{hu(u8"Hibás a formátum!")}) << bytes;
        EXPECT_EQ(edi_results_file_text(w.s.sheet), before) << bytes;
    }
}

TEST(ReportPanel, ClearingTheResults) {
    Window edi(kFormatEdif);
    eredmeny_cmd_Click(edi.s);
    fill_results(edi.s.sheet);
    edi.fakes.ui.answers = {false, true};
    edi_erase_cmd_Click(edi.s);
    EXPECT_EQ(edi.fakes.ui.questions, std::vector<Text>{hu(u8"Törli az eredményeket?")});
    EXPECT_EQ(edi_results_file_text(edi.s.sheet), kFilledResultsFile);
    EXPECT_EQ(edi.s.report.qso_lista.size(), 2u);
    edi_erase_cmd_Click(edi.s);
    EXPECT_EQ(edi_results_file_text(edi.s.sheet),
              "EDI data:\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n"
              "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\nEnd\r\n");
    EXPECT_TRUE(edi.s.report.qso_lista.empty());

    Window yl(kFormatYlom);
    eredmeny_cmd_Click(yl.s);
    fill_results(yl.s.sheet);
    yl.fakes.ui.answers = {true};
    edi_erase_cmd_Click(yl.s);
    EXPECT_TRUE(yl.s.report.adif_qso_lista.empty());
    EXPECT_EQ(yl.s.report.adif_statisztika_label, "");
    EXPECT_EQ(edi_results_file_text(yl.s.sheet), kFilledResultsFile);  // EDI results stay
}

TEST(ReportPanel, OpeningThePanelPreselectsTheFormatOfTheContest) {
    const struct {
        T type;
        const char* format;
        bool report_view;
    } cases[] = {
        {T::Iaru, "EDIF", false},
        {T::SilentKeyMem, "SKMC", true},
        {T::None, "NMARK", true},  // "..." keeps the last one
    };
    for (const auto& c : cases) {
        testing::Started w(c.type, testing::kOwnData);
        w.log({qso(c.type, "HA5KDR")});
        w.s.formatum_combo.set(kFormatNmark);
        w.s.report.edi_valaszto = 0;
        main_cmd_Click(w.s, 2);
        EXPECT_EQ(w.s.panel, Panel::Jegyzokonyv) << c.format;
        EXPECT_EQ(w.s.formatum_combo.text(), c.format) << c.format;
        EXPECT_EQ(w.s.report.edi_valaszto, c.report_view ? 1 : 0) << c.format;
        EXPECT_EQ(w.s.view[Control::riport_keret].visible, c.report_view) << c.format;
    }
}

}  // namespace
}  // namespace loxar
