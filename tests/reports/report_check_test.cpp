// The report check: Loxar's own reports of every format pass clean, each kind of damage to
// them is caught on its line, and other programs' reports get no false findings.
#include "reports/report_check.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "model/file_io.hpp"
#include "reports/adif_report.hpp"
#include "reports/cabrillo_report.hpp"
#include "reports/edi_report.hpp"
#include "rules/locator.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using testing::general;
using testing::Worked;

DataSheet sheet() {
    DataSheet d;
    d.tx_TName = "IARU VHF";
    d.tx_TDate_1 = "2024-05-04";
    d.tx_TDate_2 = "2024-05-05";
    d.tx_PCall = "HA5XYZ";
    d.tx_PWWLo = "JN97KK";
    d.tx_PSect = "SINGLE";
    d.tx_PBand = "145 MHz";
    d.tx_RName = "Kiss Anna";
    d.tx_RCall = "HA5XYZ";
    d.tx_CToSc = "1234";
    for (Combo* c :
         {&d.hadx_operator_combo, &d.hadx_band_combo, &d.hadx_power_combo, &d.hadx_mod_combo,
          &d.hadx_receiver_combo, &d.hadx_station_combo, &d.cqww_kategoria_combo, &d.cqww_band_combo,
          &d.cqww_power_combo, &d.haqrp_kategoria_combo, &d.rhob_kategoria_combo}) {
        c->set(1);
    }
    return d;
}

// Three IARU QSOs in May 2024, points as the program gives them: the distance, 1 per km.
std::vector<Text> iaru_log() {
    std::vector<Text> log;
    const char* calls[] = {"OK1ABC", "S51XYZ", "YO5AAA"};
    const char* locators[] = {"JO70FD", "JN76BD", "KN17SP"};
    for (int i = 0; i < 3; ++i) {
        Worked q;
        q.call = calls[i];
        q.loc = locators[i];
        q.nr = q.sent_nr = std::to_string(i + 1);
        const auto km = static_cast<long long>(qrb_between(locators[i], "JN97KK").distance);
        q.dist = zero_pad(km, 5);
        q.pts = std::to_string(km);
        log.push_back(testing::line_of(ContestType::Iaru, q));
    }
    return log;
}

Text edi_text() {
    DataSheet d = sheet();
    std::vector<Text> list;
    long long points = 0;
    for (const Text& l : iaru_log()) {
        list.push_back(edi_list_line(l, {false, true, false, false}));
        points += int_value(col(l, 81, 5));
    }
    d.tx_CQSOs = d.tx_QSORecords = d.tx_CWWLs = "3";
    d.tx_CQSOP = d.tx_CToSc = std::to_string(points);
    d.tx_CQSOMul = d.tx_CWWLMul = d.tx_CDXCMul = d.tx_CExcsMul = "1";
    const std::vector<Text> log;
    return edi_report({d, log, list, "HA5XYZ", "JN97KK", "", Combo{}, "CW", ""});
}

Text cabrillo_text(int format, const std::vector<Text>& log) {
    const DataSheet d = sheet();
    const std::vector<Text> none;
    const bool cqww = format == kFormatCqwwVhf;
    return cabrillo_report(
        format, {d, cqww ? none : log, cqww ? log : none, "HA5XYZ", "JN97KK", "", Combo{}, "CW", "321"});
}

Text ylom_text() {
    std::vector<Text> log;
    for (const char* call : {"HA1YL", "HA2OM"}) {
        Worked q;
        q.call = call;
        q.sex = 1;
        q.band = "3,5 MHz";
        log.push_back(testing::line_of(ContestType::YlOm, q));
    }
    Combo sex;
    sex.items = {".", hu(u8"Nő"), hu(u8"Férfi")};
    sex.set(2);
    const DataSheet d = sheet();
    const std::vector<Text> none;
    return ylom_report({d, log, none, "HA5XYZ", "JN97KK", "ANNA", sex, "CW", "10"}).text;
}

const std::vector<Text> kHf = {general("UA3AAA", 1, "21 MHz", "08:05", "CW"),
                               general("UA9BBB", 2, "28 MHz", "08:10", "SSB")};

Text messages(const std::vector<Finding>& found) {
    Text out;
    for (const Finding& f : found) out += finding_text(f) + "\n";
    return out;
}

TEST(ReportCheck, LoxarsOwnReportsPassClean) {
    std::vector<Text> cqww;
    for (const Text& l : iaru_log()) cqww.push_back(cqww_list_line(l, "HA5XYZ", "JN97KK"));
    const struct {
        const char* name;
        Text text;
    } reports[] = {
        {"EDI", edi_text()},
        {"HA-DX", cabrillo_text(kFormatHaDx, kHf)},
        {"EXCHANGE", cabrillo_text(kFormatExchange, kHf)},
        {"RH-OB", cabrillo_text(kFormatRhOb, kHf)},
        {"RDXC", cabrillo_text(kFormatRdxcAll, kHf)},
        {"REF", cabrillo_text(kFormatRef, kHf)},
        {"HSKC", cabrillo_text(kFormatHskc, kHf)},
        {"SKMC",
         cabrillo_text(kFormatSkmc, {testing::line_of(ContestType::SilentKeyMem, Worked{.band = "7 MHz"})})},
        {"HA-QRP", cabrillo_text(kFormatHaQrp, {testing::qrp("HA1AAA", "7 MHz")})},
        {"DX", cabrillo_text(kFormatDx, {testing::qrp("HA1AAA", "14 MHz")})},
        {"SWL", cabrillo_text(kFormatSwl, {testing::swl("HA1AAA", "HA2BBB", "14 MHz")})},
        {"CQ-WW-VHF", cabrillo_text(kFormatCqwwVhf, cqww)},
        {"YL-OM", ylom_text()},
    };
    for (const auto& r : reports) {
        ASSERT_NE(detect_report(r.text), ReportKind::Unknown) << r.name;
        EXPECT_EQ(messages(check_report(r.text)), "") << r.name << "\n" << r.text;
    }
}

// The NMARK report writes the band's wavelength where Cabrillo wants a frequency.
TEST(ReportCheck, NmarkBandNamesAreNoFrequency) {
    const Text text = cabrillo_text(kFormatNmark, {testing::nmark("HA1AAA", "3,5 MHz")});
    EXPECT_EQ(messages(check_report(text)), "20: " + hu(u8"hibás frekvencia: \"80m\"") + "\n");
}

Text replaced(Text text, const Text& from, const Text& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, Text::npos) << from;
    if (at != Text::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(ReportCheck, DamagedCopiesAreCaught) {
    const Text edi = edi_text();
    const Text hadx = cabrillo_text(kFormatHaDx, kHf);
    const Text adif = ylom_text();
    const std::size_t record = edi.find("\r\n240504;") + 2;
    const Text first_record = edi.substr(record, edi.find("\r\n", record) - record);
    const struct {
        const Text* base;
        Text from, to;
        long line;
        const char8_t* message;
    } cases[] = {
        {&edi, "[REG1TEST;1]", "[REG1TEST]", 1, u8"az első sor nem [REG1TEST;1]"},
        {&edi, "PCall=HA5XYZ\r\n", "", 37, u8"hiányzik a PCall= sor"},
        {&edi, "TDate=20240504;20240505", "TDate=20240504", 3, u8"a TDate nem két dátum"},
        {&edi, "PWWLo=JN97KK", "PWWLo=JN97K", 5, u8"a PWWLo nem 6 karakteres lokátor"},
        {&edi, "CQSOs=3;1", "CQSOs=57;1", 28, u8"a CQSOs 57, a rekordok száma 3"},
        {&edi, "CWWLs=3", "CWWLs=2", 30, u8"a CWWLs 2, a rekordok lokátor négyzeteinek száma 3"},
        {&edi, "[QSORecords;3]", "[QSORecords;4]", 39, u8"a [QSORecords;4], a rekordok száma 3"},
        {&edi, ";OK1ABC;", ";OK1ABC;2;", 40, u8"a rekordban 16 mező van, 15 kell"},
        {&edi, "240504;1230;OK1ABC", "240507;1230;OK1ABC", 40, u8"a dátum a TDate napjain kívül esik"},
        {&edi, "240504;1230;OK1ABC", "240504;1270;OK1ABC", 40, u8"hibás időpont"},
        {&edi, ";JO70FD;", ";JO70F;", 40, u8"a lokátor nem 6 karakteres Maidenhead négyzet"},
        {&edi, ";JO70FD;", ";IO70FD;", 40, u8"a pontszám 442, a távolság alapján"},
        {&edi, "[END;", first_record + "\r\n[END;", 43, u8"ismételt QSO D jelölés nélkül: OK1ABC"},
        {&edi, "[END;generated with <Loxar by Tarvik>]\r\n", "", 42, u8"hiányzik az [END;...] sor"},
        {&hadx, "START-OF-LOG: 3.0\r\n", "", 1, u8"az első sor nem START-OF-LOG: 3.0"},
        {&hadx, "END-OF-LOG:\r\n", "", 19, u8"az utolsó sor nem END-OF-LOG:"},
        {&hadx, "CONTEST: HA-DX\r\n", "", 17, u8"hiányzik a CONTEST: sor"},
        {&hadx, "CATEGORY-POWER: HIGH", "CATEGORY-POWER: 100W", 8,
         u8"a CATEGORY-POWER értéke nem a listáról való"},
        {&hadx, "CATEGORY-MODE: MIXED", "CATEGORY-MODE: .....", 9,
         u8"nincs kiválasztva a CATEGORY-MODE értéke"},
        {&hadx, "CLAIMED-SCORE: 321", "CLAIMED-SCORE: sok", 12, u8"a CLAIMED-SCORE nem szám"},
        {&hadx, "QSO: 21100 CW", "QSO: 21.1M CW", 18, u8"hibás frekvencia"},
        {&hadx, "21100 CW ", "21100 ", 18, u8"hiányzik a mód"},
        {&hadx, "2016-07-23 0805", "2016-07-32 0805", 18, u8"hibás dátum"},
        {&hadx, "0805 HA5XYZ", "0865 HA5XYZ", 18, u8"hibás időpont"},
        {&hadx, "UA3AAA", "      ", 18, u8"hiányzik a vett hívójel"},
        {&adif, "<CALL:5>HA1YL", "<CALL:4>HA1YL", 7, u8"a(z) CALL hossza kisebb az értékénél"},
        {&adif, "<CALL:5>HA1YL", "<CALL:9>HA1YL", 7, u8"a(z) CALL hossza nagyobb az értékénél"},
        {&adif, "<BAND:3>80m", "<BAND:3>81m", 8, u8"a(z) BAND értéke nem érvényes"},
        {&adif, "<MODE:2>CW", "<MODE:2>XX", 8, u8"a(z) MODE értéke nem érvényes"},
        {&adif, "<QSO_DATE:8>20240504", "<QSO_DAT:8>20240504", 6,
         u8"a rekordból hiányzik a(z) QSO_DATE mező"},
        {&adif, "<EOH>", "<EOX>", 1, u8"hiányzik az <EOH>"},
    };
    for (const auto& c : cases) {
        const Text damaged = replaced(*c.base, c.from, c.to);
        const Text expected = std::to_string(c.line) + ": " + hu(c.message);
        const Text found = messages(check_report(damaged));
        EXPECT_NE(found.find(expected), Text::npos) << expected << "\n---\n" << found;
    }
    const Text last = adif.substr(0, adif.rfind("<EOR>"));
    EXPECT_NE(messages(check_report(last)).find(hu(u8"a rekord nincs lezárva <EOR>-ral")), Text::npos);
}

// What only the program knows: the claims compared with its own count of the log.
TEST(ReportCheck, ClaimsAgainstTheLog) {
    const Text hadx = cabrillo_text(kFormatHaDx, kHf);
    EXPECT_EQ(messages(check_report(hadx, {.claimed_score = 321, .qso_points = {}})), "");
    EXPECT_EQ(messages(check_report(hadx, {.claimed_score = 300, .qso_points = {}})),
              "12: a CLAIMED-SCORE 321, " + hu(u8"a napló szerint 300") + "\n");
    EXPECT_NE(messages(check_report(edi_text(), {.claimed_score = 1, .qso_points = 1})).find("a CToSc"),
              Text::npos);
}

// Other programs' reports: no false findings; the few with a real fault are named with it.
TEST(ReportCheck, OtherProgramsReports) {
    const std::map<std::string, Text> faulty = {
        {"arrl_vhf_example.log", hu(u8"1: nem Cabrillo sor")},
        {"online_edi_generator_1300.edi", hu(u8"30: a CWWLs 0, a rekordok lokátor négyzeteinek száma 3")},
        {"unknown_432mhz.edi", hu(u8"42: a [QSORecords;11], a rekordok száma 10")},
        {"vusc_1300.edi", hu(u8"30: a CWWLs 6, a rekordok lokátor négyzeteinek száma 3")},
        {"logic_nu4b.adi", hu(u8"137: a(z) CONT értéke nem érvényes: \"SAM\"")},
    };
    const std::filesystem::path root =
        std::filesystem::path(LOXAR_SOURCE_DIR) / "tests" / "interop" / "files";
    int files = 0;
    for (const char* dir : {"edi", "cabrillo", "adif"}) {
        for (const auto& entry : std::filesystem::directory_iterator(root / dir)) {
            const std::optional<Text> bytes = read_file(entry.path());
            ASSERT_TRUE(bytes) << entry.path();
            ++files;
            const Text found = messages(check_report(*bytes));
            const auto it = faulty.find(entry.path().filename().string());
            if (it == faulty.end()) {
                EXPECT_EQ(found, "") << entry.path();
            } else {
                EXPECT_NE(found.find(it->second), Text::npos) << entry.path() << "\n" << found;
            }
        }
    }
    EXPECT_GT(files, 30);
}

}  // namespace
}  // namespace loxar
