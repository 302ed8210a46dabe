// Log import: recognising and converting the inputs, the band of a frequency, and the panel.
#include "session/log_import.hpp"

#include <gtest/gtest.h>

#include "model/bands.hpp"
#include "model/file_io.hpp"
#include "rules/locator.hpp"
#include "session/log_file.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using testing::Unstarted;

ImportResult convert(const Text& input, ContestType type = ContestType::Iaru, const Text& filter = {}) {
    ImportSettings settings{type, filter, "OPNAME", "BUDAPEST", "KA"};
    return convert_import(input, settings);
}

Text edi(const Text& header, const Text& records, const Text& end = "[END; test]\r\n") {
    return "[REG1TEST;1]\r\n" + header + "[QSORecords;2]\r\n" + records + end;
}

const Text kEdiHeader = "TName=Test\r\nTDate=20230506;20230507\r\nPCall=HA1ABC\r\nPBand=145 MHz\r\n";

Text cabrillo(const Text& qsos) {
    return "START-OF-LOG: 3.0\r\nCONTEST: TEST\r\n" + qsos + "END-OF-LOG:\r\n";
}

// A Cabrillo QSO line with the worked callsign at column 56, as the format lays it out.
Text cabrillo_qso(const Text& freq, const Text& time, const Text& call, const Text& mode = "CW") {
    return "QSO: " + pad_cut(freq, 5) + " " + mode + " 2024-02-17 " + time + " HA1ABC        599 001    " +
           pad_cut(call, 13) + " 599 015\r\n";
}

TEST(LogImport, EdiRecordsBecomeGeneralLines) {
    const ImportResult r = convert(edi(kEdiHeader,
                                       "230506;1200;dl1abc;2;599;1;579;15;;JO62QM;245;;;;\r\n"
                                       "230506;1201;OK1XYZ;9;59;2;59;7;;JN79;;;;;\r\n"));
    ASSERT_TRUE(r.error.empty());
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0],
              "2023-05-06/12:00:00=DL1ABC              =579/0015/JO62QM/.=599/0001/CW =.=00245/00245=00001="
              "              =145 MHz=");
    // Code 9 is ATV, a record without points keeps the points before, a 4-character locator stays 6 wide.
    EXPECT_EQ(col(r.lines[1], 51, 6), "JN79  ");
    EXPECT_EQ(col(r.lines[1], 69, 3), "ATV");
    EXPECT_EQ(col(r.lines[1], 75, 5), "00245");
}

TEST(LogImport, EdiHeaderFoundByTagAndFilesCutShortAreReported) {
    // Tags in another order and extra lines before the records; a file cut off without [END].
    const Text reordered = "PBand=432 MHz\r\nX=1\r\nPCall=HA1ABC\r\nTDate=19990101\r\n";
    ImportResult r = convert(edi(reordered, "990101;0800;HA5KDR;1;59;1;59;1;;JN97MM;1\r\n", ""));
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(col(r.lines[0], 1, 10), "1999-01-01");
    EXPECT_EQ(col(r.lines[0], 108, 7), "435 MHz");

    const struct {
        Text input, error;
    } refused[] = {
        {edi("TDate=20230506\r\nPBand=Light\r\n", ""), hu(u8"Ismeretlen frekvenciasáv!")},
        {"[REG1TEST;1]\r\nPBand=145 MHz\r\n", hu(u8"Hiányos EDI file: nincs benne [QSORecords] sor!")},
        {"[REG1TEST;1]", hu(u8"Ismeretlen frekvenciasáv!")},
        {"Hello\r\n", hu(u8"Ismeretlen formátum!")},
        {" \r\n", hu(u8"Nincs mit feldolgozni!")},
    };
    for (const auto& c : refused) {
        r = convert(c.input);
        EXPECT_EQ(r.error, c.error) << c.input;
        EXPECT_TRUE(r.lines.empty());
    }
    // A short record fills what it has; one of separators only, or without a callsign, is no QSO.
    r = convert(edi(kEdiHeader, "2305;1200;DL1A\r\n;;;;;;;;;;;;;;\r\n230506;1201;;2;599\r\n"));
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].size(), 115u);
    EXPECT_EQ(import_skipped_message(r),
              hu(u8"1 QSO beolvasva, 2 rekord kihagyva: 1 hívójel nélkül, 1 üres."));
}

TEST(LogImport, EdiBandInEveryWritersSpelling) {
    const struct {
        Text pband;
        int band;
    } cases[] = {
        // Each way of writing a band: figure with or without unit and blank, comma or point, wavelength.
        {"144 MHz", 14}, {"145", 14},     {"432MHz", 16},  {"1,3 GHz", 18}, {"1.3 GHz", 18}, {"1296 MHz", 18},
        {"70cm", 16},    {"1,2 GHz", 18}, {"900 MHz", 17}, {"Light", 0},    {"12 MHz", 0},
    };
    for (const auto& c : cases) {
        const ImportResult r = convert(edi("TDate=20230506\r\nPBand=" + c.pband + "\r\n",
                                           "230506;1200;DL1A;2;599;1;599;1;;JO62QM;1\r\n"));
        if (c.band == 0) {
            EXPECT_EQ(r.error, hu(u8"Ismeretlen frekvenciasáv!")) << c.pband;
        } else {
            ASSERT_EQ(r.lines.size(), 1u) << c.pband;
            EXPECT_EQ(col(r.lines[0], 108, 7), band_name(c.band)) << c.pband;
        }
    }
}

TEST(LogImport, FirstLinesWritersGetWrong) {
    // Empty lines before the first line, and the EDI header's "I" for "1".
    EXPECT_EQ(detect_import_format("\r\n\r\n[REGITEST;1]\r\n"), ImportFormat::Edi);
    EXPECT_EQ(detect_import_format("\r\nSTART-OF-LOG: 3.0\r\n"), ImportFormat::Cabrillo);
}

TEST(LogImport, CabrilloVhfLayoutGivesLocatorsOrIsRefused) {
    const Text input = cabrillo(
        "QSO: 144 FM 2024-06-08 1800 K1ABC FN42 W1XYZ fn31pr\r\n"
        "QSO: 50 PH 2024-06-08 1801 K1ABC FN42 VE1AA FN74\r\n");
    const ImportResult r = convert(input, ContestType::Iaru);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(trim(col(r.lines[0], 21, 20)), "W1XYZ");
    EXPECT_EQ(col(r.lines[0], 51, 6), "FN31PR");
    EXPECT_EQ(col(r.lines[0], 69, 3), "FM ");
    EXPECT_EQ(col(r.lines[1], 51, 6), "FN74  ");
    EXPECT_EQ(col(r.lines[1], 108, 7), "50 MHz ");
    const ImportResult refused = convert(input, ContestType::Hadx);
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_NE(refused.error.find("VHF"), Text::npos);
}

TEST(LogImport, SecondsCountWithinAMinute) {
    const ImportResult r =
        convert(cabrillo(cabrillo_qso("14025", "1200", "DL1A") + cabrillo_qso("14025", "1200", "DL2A") +
                         cabrillo_qso("14025", "1200", "DL3A") + cabrillo_qso("14025", "1201", "DL4A")));
    ASSERT_EQ(r.lines.size(), 4u);
    const char* expected[] = {"12:00:00", "12:00:10", "12:00:20", "12:01:00"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(col(r.lines[i], 12, 8), expected[i]);
}

TEST(LogImport, CabrilloLinesByTheBuilderOfTheContestType) {
    const Text input = cabrillo(cabrillo_qso("7025", "0930", "HA5KDR") + "X-QSO: ignored\r\n");
    const struct {
        ContestType type;
        Text line;
    } cases[] = {
        {ContestType::Iaru,
         "2024-02-17/09:30:00=HA5KDR              =599/0015/AA00AA/.=599/0001/CW =.=--/--/00001=00001=              "
         "=7 MHz  ="},
        {ContestType::Hadx,
         "2024-02-17/09:30:00=HA5KDR              =599/0015/AA00AA/.=599/KA  /CW =.=--/--/00001=00001=              "
         "=7 MHz  ="},
        {ContestType::Nmark,
         "2024-02-17/09:30:00=HA5KDR          =599/              /                     =599=CW =00001=OPNAME    "
         "=2=N=7 MHz  =BUDAPEST           "},
        {ContestType::SilentKeyMem,
         "2024-02-17/09:30:00=HA5KDR       =599/SILENT-KEY   =599=KA           =CW =--/--/00001=00001=OPNAME        "
         "=7 MHz  =28="},
    };
    for (const auto& c : cases) {
        const ImportResult r = convert(input, c.type);
        ASSERT_EQ(r.lines.size(), 1u);
        EXPECT_EQ(r.lines[0], c.line);
        EXPECT_EQ(col(r.lines[0], import_check_column(c.type), 1), "=");
    }
}

TEST(LogImport, CqwwVhfBandWords) {
    const ImportResult r = convert(cabrillo("QSO: 144 PH 2024-07-20 1800 HA1ABC JN97 K1TEO FN31\r\n"
                                            "QSO: 432 CW 2024-07-20 1801 HA1ABC JN97 W2SZ\r\n"
                                            "QSO: 7 CW 2024-07-20 1802 HA1ABC JN97 W3SZ FN20\r\n"),
                                   ContestType::CqwwVhf);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0],
              "2024-07-20/18:00:00=K1TEO               =   /0000/FN31  /.=000/0000=SSB=.=00001/00001=00000="
              "OPNAME        =145 MHz=");
    EXPECT_EQ(col(r.lines[1], 51, 6), "AA00AA");
    EXPECT_EQ(col(r.lines[1], 108, 7), "435 MHz");
    EXPECT_EQ(col(r.lines[2], 108, 7), "XXXXXXX");
}

TEST(LogImport, FiltersKeepOneBandOrTheHungarianStations) {
    const Text input =
        cabrillo(cabrillo_qso("14025", "1200", "HA5KDR") + cabrillo_qso("3525", "1201", "HG7T") +
                 cabrillo_qso("3525", "1202", "DL1ABC"));
    const struct {
        Text filter;
        std::vector<Text> calls;
    } cases[] = {
        {"", {"HA5KDR", "HG7T", "DL1ABC"}}, {band_name(0), {"HA5KDR", "HG7T", "DL1ABC"}},
        {band_name(3), {"HG7T", "DL1ABC"}}, {band_name(14), {}},
        {kHaHgFilter, {"HA5KDR", "HG7T"}},
    };
    for (const auto& c : cases) {
        const ImportResult r = convert(input, ContestType::Iaru, c.filter);
        std::vector<Text> calls;
        for (const Text& l : r.lines) calls.push_back(trim(col(l, 21, 20)));
        EXPECT_EQ(calls, c.calls) << c.filter;
    }
}

TEST(LogImport, AdifRecordsEndAtTheirTagOnly) {
    const Text input =
        "ADIF export\r\n<adif_ver:5>3.1.4 <programid:4>TEST\r\n<eoh>\r\n"
        "<CALL:6>ha5kdr <QSO_DATE:8>20240217 <time_on:6>120000\r\n"
        "<NAME:6>GEORGE <FREQ:5>7.025 <MODE:2>CW <APP_X_NOTE:9>a<b\r\nc EOR\r\n<RST_RCVD:3>599 <SRX:2>15 <STX:1>7\r\n"
        "<eor>\r\n<CALL:4>W1AW<freq:7>144.300<mode:3>SSB<TIME_ON:4>1200<Eor>";
    const ImportResult r = convert(input);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(
        r.lines[0],
        "2024-02-17/12:00:00=HA5KDR              =599/0015/AA00AA/.=   /0007/CW =.=--/--/00001=00001=GEORGE        "
        "=7 MHz  =");
    // Same minute, so 10 seconds more; no date nor name of its own, none from the record before.
    EXPECT_EQ(col(r.lines[1], 1, 19), "          /12:00:10");
    EXPECT_EQ(col(r.lines[1], 93, 14), Text(14, ' '));
    EXPECT_EQ(col(r.lines[1], 108, 7), "145 MHz");
    EXPECT_EQ(col(r.lines[1], 69, 4), "SSB=");
}

// One ADIF record after a full one: what it does not hold stays empty.
Text adif_line(const Text& fields) {
    const ImportResult r = convert(
        "<CALL:6>DL1ABC<QSO_DATE:8>20240217<TIME_ON:4>1200<FREQ:5>7.025<MODE:2>CW"
        "<RST_RCVD:3>579<RST_SENT:3>599<SRX:2>15<STX:1>7<GRIDSQUARE:6>JO62QM<EOR>\n"
        "<CALL:4>W1AW<QSO_DATE:8>20240217<TIME_ON:4>1300" +
        fields + "<EOR>\n");
    return r.lines.size() == 2 ? r.lines[1] : Text();
}

TEST(LogImport, AdifRecordHoldsOnlyItsOwnValues) {
    EXPECT_EQ(
        adif_line(""),
        "2024-02-17/13:00:00=W1AW                =   /    /AA00AA/.=   /    /   =.=--/--/00001=00001=              "
        "=---    =");
    const struct {
        Text fields;
        std::size_t column, width;
        Text expected;
    } cases[] = {
        // Modes: a sideband is SSB, a digital mode or a submode of one is DIG.
        {"<MODE:3>USB", 69, 3, "SSB"},
        {"<MODE:3>FT8", 69, 3, "DIG"},
        {"<MODE:4>MFSK<SUBMODE:3>FT4", 69, 3, "DIG"},
        {"<GRIDSQUARE:6>jn97ma", 51, 6, "JN97MA"},
        {"<GRIDSQUARE:8>JN97MA12", 51, 6, "JN97MA"},
        {"<GRIDSQUARE:4>JN97", 51, 6, "JN97  "},
        {"<GRIDSQUARE:4>ZZ99", 51, 6, "AA00AA"},
        {"<BAND:2>2m", 108, 7, "145 MHz"},
        {"<FREQ:6>12.000<BAND:3>30m", 108, 7, "10 MHz "},
        {"<FREQ:5>4.000", 108, 7, "3,5 MHz"},
        {"<FREQ:7>148.000", 108, 7, "145 MHz"},
        {"<SRX_STRING:2>BP", 46, 4, "BP  "},
        {"<SRX:1>9<SRX_STRING:2>BP", 46, 4, "0009"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(col(adif_line(c.fields), c.column, c.width), c.expected) << c.fields;
    // A record without CALL is no QSO.
    const ImportResult r = convert("<CALL:4>W1AW<EOR><QSO_DATE:8>20240217<NAME:3>BOB<EOR>");
    EXPECT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.skipped.without_call, 1u);
}

TEST(LogImport, AdifWithoutHeaderUtf8AndByteOrderMark) {
    const Text name = reinterpret_cast<const char*>(u8"Muñoz Ödön");
    const Text input = "\xEF\xBB\xBF<CALL:5>EA1AA<NAME:" + std::to_string(name.size()) + ">" + name +
                       "<BAND:3>20m<EOR>\n<CALL:4>HA5X<BAND:4>70CM<EOR>";
    const Result<Text> taken = import_input(input);
    ASSERT_TRUE(taken);
    EXPECT_EQ(detect_import_format(*taken), ImportFormat::Adif);
    const ImportResult r = convert(*taken);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(col(r.lines[0], 93, 14), pad_cut(hu(u8"Munoz Ödön"), 14));
    EXPECT_EQ(col(r.lines[0], 108, 7), "14 MHz ");
    EXPECT_EQ(col(r.lines[1], 108, 7), "435 MHz");
    const Result<Text> binary = import_input(Text("<CALL:1>A\0<EOR>", 15));
    ASSERT_FALSE(binary.ok());
    EXPECT_EQ(binary.message(), hu(u8"A file bináris adatot tartalmaz, nem importálható!"));
}

TEST(LogImport, BandOfAFrequency) {
    // Range edges in kHz, the gaps between bands, the band words, and what is no band.
    const struct {
        Text word;
        int band;
    } cases[] = {
        {"1500", 2},    {"3000", 3},      {"3799", 3},  {"12000", 0}, {"145500", 14},
        {"435900", 16}, {"10368100", 22}, {"abc", 0},   {"", 0},      {"50", 12},
        {"144", 14},    {"902", 17},      {"1.2G", 18}, {"241G", 28}, {"LIGHT", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(band_index_for_cabrillo(c.word), c.band) << c.word;
}

TEST(LogImport, CallsignListsAndLogFiles) {
    ImportResult r = convert(
        "Callsign list\r\n\r\n2024-05-04 0815 144MHZ SSB HA5KDR 59 001 57 012 123 JN97MM\r\n"
        "2024-05-04 0816 1.3GHZ CW OK1A\r\n");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0],
              "2024-05-04/08:15:00=HA5KDR              =57 /0012/JN97MM/.=59 /0001/SSB=.=--/--/00123=00123="
              "              =145 MHz=");
    EXPECT_EQ(col(r.lines[1], 108, 7), "1,3 GHz");

    const Text line =
        "2024-02-17/12:00:05=DL1ABC              =599/0015/AA00AA/.=599/0001=CW =F=DX/--/00005=00009="
        "              =14 MHz =";
    r = convert(log_file_text("HA1ABC", {line, line}));
    EXPECT_EQ(r.lines, (std::vector<Text>{line, line}));
}

TEST(LogImport, ChunkEdgesChangeNothing) {
    const Text inputs[] = {
        "\xEF\xBB\xBFHeader\r\n<EOH>\r\n<CALL:4>DL1A<COMMENT:7>a <eor>b<NAME:6>\xC3\x96"
        "d\xC3\xB6"
        "n<FREQ:5>7.025<EOR>\r\n"
        "<CALL:4>DL2A<GRIDSQUARE:4>JN97<EOR>",
        edi(kEdiHeader, "230506;1200;DL1ABC;2;599;1;579;15;;JO62QM;245;;;;\r\n;;;\r\n"),
        "\r\n" + cabrillo("QSO: 144 FM 2024-06-08 1800 K1ABC FN42 W1XYZ FN31PR\r\n"),
        log_file_text("HA1ABC", {"2024-02-17/12:00:05=DL1ABC", "2024-02-17/12:00:06=DL2ABC"}),
    };
    for (const Text& input : inputs) {
        const ImportResult whole = convert(input);
        std::string_view rest = input;
        std::size_t calls = 0;
        std::vector<Text> lines;
        const ImportResult pieces = convert_import(
            [&](char* out, std::size_t n) {
                n = std::min({n, rest.size(), std::size_t{1} + calls++ % 7});
                std::copy_n(rest.data(), n, out);
                rest.remove_prefix(n);
                return n;
            },
            ImportSettings{ContestType::Iaru, {}, "OPNAME", "BUDAPEST", "KA"},
            [&lines](std::string_view line) { lines.emplace_back(line); });
        EXPECT_EQ(pieces.error, whole.error);
        EXPECT_EQ(lines, whole.lines) << input;
        EXPECT_FALSE(lines.empty()) << input;
    }
}

TEST(LogImport, OverlongValuesNeverShiftAColumn) {
    const Text huge(100000, 'W');
    const ImportResult r =
        convert(cabrillo("QSO: 14025 CW 2024-02-17 12 HA1ABC 599 " + huge + " " + huge + "\r\n") +
                "<CALL:99999999>" + huge);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].size(), 115u);
    EXPECT_EQ(col(r.lines[0], 12, 8), "00:12:00");
    for (std::size_t c : {20, 41, 59, 86, 92, 107, 115}) EXPECT_EQ(r.lines[0][c - 1], '=') << c;
}

// --- the panel ---

struct ImportPanel : Unstarted {
    ImportPanel() : Unstarted(ContestType::Iaru) {
        prepare();
        import_rutin(s);
    }
    Text write(const char* name, const Text& bytes) {
        const auto path = s.paths.import_export_dir / name;
        EXPECT_TRUE(write_file_atomic(path, bytes));
        return text_path(path);
    }
    void read(const Text& path) {
        fakes.ui.chooser_results.push_back(path);
        import_vegyes_cmd_Click(s, 0);
    }
};

TEST(LogImportPanel, ReadConvertAndCopyIntoTheLog) {
    ImportPanel p;
    EXPECT_EQ(p.s.panel_mode, PanelTask::Import);
    EXPECT_EQ(p.s.vegyes.vegyes_combo.size(), 30);
    EXPECT_EQ(p.s.vegyes.vegyes_combo.items.back(), "HA&HG");
    import_vegyes_cmd_Click(p.s, 1);
    EXPECT_EQ(p.fakes.ui.messages.back(), hu(u8"Nincs mit feldolgozni!"));

    p.read(p.write("a.cbr",
                   cabrillo(cabrillo_qso("14025", "1200", "DL1A") + cabrillo_qso("14025", "1201", "DL2A"))));
    EXPECT_EQ(p.s.vegyes.vegyes_lista[0].size(), 5u);
    EXPECT_EQ(p.s.vegyes.vegyes_valaszto, 0);
    import_vegyes_cmd_Click(p.s, 1);
    EXPECT_EQ(p.s.vegyes.vegyes_valaszto, 1);
    ASSERT_EQ(p.s.vegyes.vegyes_lista[1].size(), 2u);

    // Fewer than three lines fail the format check; the log stays.
    p.log({testing::general("XX1AA")});
    p.fakes.ui.answers = {true};
    import_vegyes_cmd_Click(p.s, 2);
    EXPECT_EQ(p.fakes.ui.messages.back(), hu(u8"Rossz a formátum!"));
    EXPECT_EQ(p.s.log_lista.size(), 1u);

    // "Hozzáfűzés" has no format check: appended and renumbered.
    p.fakes.ui.answers = {true};
    import_vegyes_cmd_Click(p.s, 3);
    EXPECT_EQ(p.fakes.ui.questions.back(), hu(u8"Hozzáfűzi az adatokat a LOG listához?"));
    ASSERT_EQ(p.s.log_lista.size(), 3u);
    EXPECT_EQ(col(p.s.log_lista.at(2), 87, 5), "00003");

    p.read(p.write("b.cbr",
                   cabrillo(cabrillo_qso("14025", "1200", "DL1A") + cabrillo_qso("14025", "1201", "DL2A") +
                            cabrillo_qso("14025", "1202", "DL3A"))));
    import_vegyes_cmd_Click(p.s, 1);
    // XX1AA is in no LOG file and not among the lines copied in: it would be lost. "Nem" is
    // what the question gets when it is not answered.
    import_vegyes_cmd_Click(p.s, 2);
    EXPECT_EQ(p.fakes.ui.questions.back(),
              hu(u8"Bemásolja az adatokat a LOG listába?") + kCrLf + kCrLf +
                  hu(u8"Figyelem: 1 QSO nincs elmentve a LOG mappába, csak a munka- és backup "
                     u8"file-okban van meg.") +
                  kCrLf + hu(u8"Bemásoláskor ezek a LOG-ból kikerülnek!"));
    EXPECT_EQ(p.s.log_lista.size(), 3u);
    EXPECT_EQ(trim(col(p.s.log_lista.at(0), 21, 20)), Text("XX1AA"));
    ASSERT_TRUE(log_mentes(p.s, p.s.paths.log_dir / "verseny.log"));
    import_vegyes_cmd_Click(p.s, 2);
    EXPECT_EQ(p.fakes.ui.questions.back(), hu(u8"Bemásolja az adatokat a LOG listába?"));
    p.fakes.ui.answers = {true};
    import_vegyes_cmd_Click(p.s, 2);
    ASSERT_EQ(p.s.log_lista.size(), 3u);
    EXPECT_EQ(trim(col(p.s.log_lista.at(0), 21, 20)), "DL1A");
    EXPECT_EQ(col(p.s.log_lista.at(2), 87, 5), "00003");
}

TEST(LogImportPanel, CopiedAndAppendedQsosAreNumberedAndScored) {
    ImportPanel p;
    p.s.station.QRA_text = "JN97AA";
    p.s.rules.rule_values[kSsb] = 2;
    // Cabrillo lines hold no distance yet ("--/--"); EDI lines bring their points along.
    const Text locators[] = {"FN31PR", "JN79AA", "JN97AA"};
    p.read(p.write("vhf.cbr", cabrillo("QSO: 144 PH 2024-06-08 1800 HA1ABC JN97AA W1XYZ FN31PR\r\n"
                                       "QSO: 144 CW 2024-06-08 1801 HA1ABC JN97AA OK1A JN79AA\r\n"
                                       "QSO: 144 CW 2024-06-08 1802 HA1ABC JN97AA HA5A JN97AA\r\n")));
    import_vegyes_cmd_Click(p.s, 1);
    p.fakes.ui.answers = {true};
    import_vegyes_cmd_Click(p.s, 2);
    ASSERT_EQ(p.s.log_lista.size(), 3u);
    long long total = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const Text& line = p.s.log_lista.at(i);
        const long long km = static_cast<long long>(qrb_between(locators[i], "JN97AA").distance);
        const long long points = i == 0 ? 2 * km : km;  // SSB counts twice by the rule values
        EXPECT_EQ(col(line, 75, 11), zero_pad(km, 5) + "/" + zero_pad(points, 5)) << i;
        EXPECT_EQ(col(line, 87, 5), zero_pad(static_cast<long long>(i) + 1, 5));
        EXPECT_EQ(line[67], '/');  // the converted line keeps its own marks
        total += points;
    }
    EXPECT_GT(total, 3);
    EXPECT_EQ(p.s.ossz_pontszam_text, std::to_string(total));

    p.read(p.write("a.edi", edi(kEdiHeader,
                                "230506;1200;DL1ABC;2;599;1;579;15;;JO62QM;245;;;;\r\n"
                                "230506;1201;OK1XYZ;1;59;2;59;7;;JN79;;;;;\r\n")));
    import_vegyes_cmd_Click(p.s, 1);
    p.fakes.ui.answers = {true};
    import_vegyes_cmd_Click(p.s, 3);
    ASSERT_EQ(p.s.log_lista.size(), 5u);
    EXPECT_EQ(col(p.s.log_lista.at(3), 75, 17), "00245/00245=00004");
    EXPECT_EQ(col(p.s.log_lista.at(4), 75, 17), "00245/00245=00005");
    EXPECT_EQ(p.s.ossz_pontszam_text, std::to_string(total + 490));
    EXPECT_EQ(p.s.qso.log_sorszam_text, "00006");
}

TEST(LogImportPanel, SaveWritesALogFileAndRefusesBinaryInput) {
    ImportPanel p;
    p.read(p.write("c.bin", Text("START-OF-LOG\0", 13)));
    EXPECT_EQ(p.fakes.ui.messages.back(), hu(u8"A file bináris adatot tartalmaz, nem importálható!"));
    EXPECT_TRUE(p.s.vegyes.vegyes_lista[0].empty());

    p.read(p.write("d.adi", "<CALL:4>DL1A<QSO_DATE:8>20240217<TIME_ON:4>1200<EOR><CALL:0><EOR>"));
    import_vegyes_cmd_Click(p.s, 1);
    EXPECT_EQ(p.fakes.ui.messages.back(), hu(u8"1 QSO beolvasva, 1 rekord kihagyva: 1 hívójel nélkül."));
    p.fakes.ui.chooser_results.push_back(text_path(p.s.paths.import_export_dir / "out.import"));
    import_vegyes_cmd_Click(p.s, 4);
    EXPECT_EQ(p.s.dialog.chooser_extension, "import");
    const LogFileRead saved = read_log_file(p.s.paths.import_export_dir / "out.import");
    ASSERT_TRUE(saved.usable());
    EXPECT_EQ(saved.qso_lines(), p.s.vegyes.vegyes_lista[1].items());
    EXPECT_EQ(saved.lines.back(), "End");
}

}  // namespace
}  // namespace loxar
