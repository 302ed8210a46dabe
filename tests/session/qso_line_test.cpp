// The log lines the builders write, column for column, and their way back through the restore.
#include "model/qso_line.hpp"

#include <gtest/gtest.h>

#include "session/qso_entry.hpp"
#include "session/qso_restore.hpp"
#include "session/session.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using testing::Q;

Session session_with(ContestType type, const Q& q = {}) {
    Session s;
    s.qso = testing::record_of(q);
    s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
    s.szabaly_combo.set(static_cast<int>(type));
    return s;
}

Text build(Session& s, short funkcio = kFunkcioNew) {
    return build_log_line(s, funkcio);
}

// The example callsigns stand for real stations, which always have a country.
class EveryCallHasACountry : public CountryLookup {
public:
    Text dxcc_kereses(const Text&) const override { return pad_cut("001", 107); }
};

Text build(ContestType type, const Q& q) {
    static const EveryCallHasACountry countries;
    Session s = session_with(type, q);
    s.countries = &countries;
    return build(s);
}

struct Example {
    ContestType type;
    Q q;
    Text line;
};

// The first four are the example lines of the log format.
// clang-format off
const Example kExamples[] = {
    {ContestType::Iaru,
     {.time = "2016-07-23/11:29:31", .call = "XX1AAA", .rst = "59", .nr = "0", .loc = "JN96", .sent_rst = "59",
      .sent_nr = "0", .mode = 1, .own_sex = 2, .dist = "1", .pts = "1", .num = "00002", .band = "50 MHz "},
     "2016-07-23/11:29:31=XX1AAA              =059/0000/JN96  /.=059/0000=SSB=F=00001/00001=00002="
     "              =50 MHz ="},
    {ContestType::RudxAll,
     {.time = "2014-04-14/06:55:46", .call = "XX1AAA", .rst = "599", .nr = "KA", .sent_rst = "599",
      .sent_nr = "1", .mode = 2, .own_sex = 2, .dist = "DX/OB", .pts = "10", .band = "28 MHz "},
     "2014-04-14/06:55:46=XX1AAA              =599/KA  /AA00AA/.=599/0001=CW =F=DX/OB/00010=00001="
     "              =28 MHz ="},
    {ContestType::HaQrp,
     {.time = "2014-03-19/10:34:48", .call = "XX1AAA", .rst = "599", .nr = "DEBRECEN", .name = "HISNAME",
      .sent_rst = "599", .mode = 2, .op = "OPNAME", .band = "7 MHz  ", .qth = "BUDAPEST"},
     "2014-03-19/10:34:48=XX1AAA          =599/HISNAME       /DEBRECEN             =599=CW =00001="
     "OPNAME    =2=N=7 MHz  =BUDAPEST"},
    {ContestType::SilentKeyMem,
     {.time = "2014-04-22/09:50:50", .call = "XX1AAA", .rst = "599", .nr = "XX2BBB", .loc = "28",
      .sent_rst = "599", .sent_nr = "XX3CCC", .mode = 2, .dist = "IT/SK", .pts = "00002", .op = "OPNAME",
      .band = "7 MHz  "},
     "2014-04-22/09:50:50=XX1AAA       =599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=00001="
     "OPNAME        =7 MHz  =28="},
    {ContestType::Hskc,
     {.call = "HA3XYZ", .rst = "599", .nr = "15B", .sent_rst = "599", .sent_nr = "7", .mode = 2,
      .dist = "DX/OB", .pts = "3", .band = "3,5 MHz"},
     "2024-05-04/12:30:15=HA3XYZ              =599/015B/AA00AA/.=599/007-=CW =.=DX/OB/00001=00001="
     "              =3,5 MHz="},
    {ContestType::Nmark,
     {.call = "HA5XYZ", .rst = "5NN", .nr = "SZEGED", .name = "PETER", .sent_rst = "59", .mode = 1,
      .dist = "2", .pts = "3", .op = "OPNAME", .band = "3,5 MHz", .qth = "GYOR"},
     "2024-05-04/12:30:15=HA5XYZ      =005=PETER         /SZEGED               =059=SSB=    00001="
     "OPNAME    =2/3=3,5 MHz=GYOR"},
    {ContestType::Swl,
     {.call = "HA1AAA", .rst = "59", .nr = "12", .sent_rst = "57", .sent_nr = "KA", .mode = 2,
      .call2 = "HA2BBB"},
     "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           /057/KA"
     "      =00001="},
};
// clang-format on

TEST(LogLine, ExampleLinesAreBuiltByteForByte) {
    for (const Example& e : kExamples) EXPECT_EQ(build(e.type, e.q), e.line);
}

TEST(LogLine, RestoredLineIsRewrittenUnchanged) {
    for (const Example& e : kExamples) {
        // Only the own fields stay; the QSO fields are cleared and another band is current.
        Session s = session_with(e.type, {.own_sex = e.q.own_sex, .op = e.q.op, .qth = e.q.qth});
        testing::FakePorts fakes;
        s.ports = fakes.ports();
        s.log_lista.add("2024-05-04/12:00:00=not this one");
        s.log_lista.add(e.line);
        s.log_lista.select_only(1);
        qso_sor_visszatoltes(s);
        ASSERT_TRUE(s.edit_mode) << e.line;
        EXPECT_EQ(band_name(s.current_band_index), s.qso.band_text);
        EXPECT_EQ(build(s, kFunkcioRewrite), e.line);
    }
}

TEST(LogLine, FieldEncodings) {
    using enum ContestType;
    struct Case {
        ContestType type;
        Q q;
        std::size_t column;
        Text expected;
    };
    // clang-format off
    const Case cases[] = {
        {Iaru, {.rst = " 599 "}, 42, "599"},
        {Iaru, {.rst = "5NN"}, 42, "5NN"},
        {Iaru, {.sent_rst = "59999"}, 60, "599"},
        {Nmark, {.rst = "NN"}, 34, "000"},
        {Iaru, {.nr = "12"}, 46, "0012"},
        {Iaru, {.nr = " KA "}, 46, "KA  "},
        {Iaru, {.sent_nr = "123456"}, 64, "1234"},
        {Hskc, {.nr = "15"}, 46, "015-/"},
        {Hskc, {.nr = "15"}, 81, "00000"},
        {Hskc, {.nr = "11A", .pts = "7"}, 81, "00003"},
        {Hskc, {.nr = "A"}, 46, "000A"},
        {Hskc, {.nr = "12345A"}, 46, "1234"},
        {Iaru, {.loc = " JN97AA"}, 51, "JN97AA/.="},
        {Iaru, {.sex = 1}, 58, "N"},
        {CqBp, {.dist = "123"}, 75, "00123"},
        {None, {.dist = "7"}, 75, "00007"},
        {Ref, {.dist = "DX"}, 75, "DX   /"},
        {Iaru, {.freq = "14.025"}, 108, "14025  ="},
        {Iaru, {.freq = "00.000"}, 108, "145 MHz="},
        {Iaru, {.freq = "  .   "}, 108, "145 MHz="},
        {HaQrp, {.freq = "14.025"}, 108, "145 MHz="},
        {Iaru, {.name = "  JANOS  "}, 93, "JANOS         ="},
        {Iaru, {.call = "HA1ABCDEFGHIJKLMNOPQR"}, 21, "HA1ABCDEFGHIJKLMNOPQ="},
        {Dx, {.nr = "  ", .name = "JANOS"}, 104, "1"},
        {SilentKeyMem, {.nr = "7"}, 39, "007          ="},
        {Swl, {.sent_nr = "007"}, 87, "00007   ="},
        {Swl, {.band = "7 MHz     40m"}, 21, "7 MHz   ="},
    };
    // clang-format on
    for (const Case& c : cases) {
        Text line = build(c.type, c.q);
        EXPECT_EQ(col(line, c.column, c.expected.size()), c.expected) << line;
    }
}

TEST(LogLine, GeneralBuilderWritesBackTheLocatorAndHskcPoints) {
    Session s = session_with(ContestType::Hskc, {.nr = "15B", .loc = "   ", .pts = "99"});
    build(s);
    EXPECT_EQ(s.qso.kapott_QRA_text, "AA00AA");
    EXPECT_EQ(s.qso.pontszam_text, "00001");
}

TEST(LogLine, RewriteTakesTheEditedNumber) {
    for (const Example& e : kExamples) {
        Session s = session_with(e.type, {.num = "00010"});
        s.qso.edit_sorszam_text = "00003";
        std::size_t at = e.type == ContestType::Swl ? 96 : 87;
        EXPECT_EQ(col(build(s, kFunkcioNew), at, 5), "00010");
        EXPECT_EQ(col(build(s, kFunkcioRewrite), at, 5), "00003");
    }
}

TEST(LogLine, AnyInputKeepsTheColumns) {
    const Text inputs[] = {"",
                           "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD",
                           "1234567890123456789012345678901234567890",
                           "-98765432109876",
                           "-0.5",
                           "=/=/=/",
                           hu(u8"ŐÚŰÁÉÍÓÖÜőúűáéíóöü")};
    for (const Example& e : kExamples) {
        // Separators of the layout: where a line of blank fields holds "=" or "/".
        const Text blank = build(e.type, Q{});
        const std::size_t tail = e.q.qth.empty() ? 0 : 3;
        for (const Text& in : inputs) {
            for (int sel : {-1, 2}) {
                Q q{in, in, in, in, in, sel, in, in, in, sel, sel, in, in, in, in, in, in, "QTH", in};
                for (short funkcio : {kFunkcioNew, kFunkcioRewrite}) {
                    Session s = session_with(e.type, q);
                    Text line = build(s, funkcio);
                    SCOPED_TRACE(line);
                    ASSERT_EQ(line.size(), blank.size() + tail);
                    for (std::size_t i = 19; i < blank.size(); ++i) {
                        if (blank[i] == '=' || blank[i] == '/') {
                            EXPECT_EQ(line[i], blank[i]) << "column " << i + 1;
                        }
                    }
                }
            }
        }
    }
}

// Countries by the first two letters of the callsign.
class PrefixCountries : public CountryLookup {
public:
    Text dxcc_kereses(const Text& callsign) const override {
        Text p = col(callsign, 1, 2);
        return pad_cut(p == "HA" ? "239" : p == "OE" ? "206" : "000", 107);
    }
};

TEST(NewCountryMarker, FirstQsoOfACountryIsNewAndGrowsTheFlags) {
    PrefixCountries countries;
    std::vector<char> worked;  // smaller than any index: grows instead of overrunning
    EXPECT_EQ(new_country_marker("HA1AAA", countries, worked), 'N');
    EXPECT_EQ(new_country_marker("HA2BBB", countries, worked), '-');
    EXPECT_EQ(new_country_marker("OE1CCC", countries, worked), 'N');
    EXPECT_EQ(new_country_marker("HA1AAA", countries, worked), '-');
    EXPECT_EQ(new_country_marker("ZZ1ZZZ", countries, worked), '-');  // no country: never new
}

TEST(NewCountryMarker, ChosenOnAddKeptOnRewrite) {
    PrefixCountries countries;
    testing::FakePorts fakes;
    Session s = session_with(ContestType::HaQrp, {.call = "HA1AAA"});
    s.ports = fakes.ports();
    s.countries = &countries;
    s.log_lista.add(build(s, kFunkcioNew));
    EXPECT_EQ(s.log_lista.at(0)[105], 'N');
    EXPECT_EQ(build(s, kFunkcioNew)[105], '-');

    s.log_lista.select_only(0);
    qso_sor_visszatoltes(s);
    std::vector<char> flags = s.score.country_worked;
    EXPECT_EQ(build(s, kFunkcioRewrite)[105], 'N');
    EXPECT_EQ(s.score.country_worked, flags);
}

}  // namespace
}  // namespace loxar
