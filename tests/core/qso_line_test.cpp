// The log lines the builders write, column for column, and their way back through the restore.
#include "core/qso_line.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/qso_restore.hpp"
#include "core/session.hpp"
#include "support/fake_ports.hpp"

namespace loxar {
namespace {

using Fill = std::function<void(QsoRecord&)>;

Session session_for(ContestType type) {
    Session s;
    s.qso = empty_qso_record();
    s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
    s.szabaly_combo.set(static_cast<int>(type));
    s.qso.log_ido = "2024-05-04/12:30:15";
    s.qso.band_text = "145 MHz";
    s.qso.frekvencia_text = "00.000";
    s.qso.log_sorszam_text = "00001";
    s.qso.edit_sorszam_text = "00000";
    return s;
}

Text build(Session& s, short funkcio = kFunkcioNew) { return build_log_line(s, funkcio); }

Text build_with(ContestType type, const Fill& fill) {
    Session s = session_for(type);
    fill(s.qso);
    return build(s);
}

// --- The example lines of the log format, rebuilt from their fields -------------------------

TEST(LogLine, ExampleLinesAreRebuiltByteForByte) {
    struct Case {
        const char* name;
        ContestType type;
        Fill fill;
        Text expected;
    };
    const Case cases[] = {
        {"general", ContestType::Iaru,
         [](QsoRecord& r) {
             r.log_ido = "2016-07-23/11:29:31";
             r.kapott_hivojel_text = "XX1AAA";
             r.kapott_riport_text = "59";
             r.kapott_sorszam_text = "0";
             r.kapott_QRA_text = "JN96";
             r.kuldott_riport_text = "59";
             r.kuldott_sorszam_text = "0";
             r.mod_combo.set(1);
             r.sex_combo.set(2);
             r.tavolsag_text = "1";
             r.pontszam_text = "1";
             r.log_sorszam_text = "00002";
             r.band_text = "50 MHz ";
         },
         "2016-07-23/11:29:31=XX1AAA              =059/0000/JN96  /.=059/0000=SSB=F=00001/00001=00002="
         "              =50 MHz ="},
        {"general RUDX", ContestType::RudxAll,
         [](QsoRecord& r) {
             r.log_ido = "2014-04-14/06:55:46";
             r.kapott_hivojel_text = "XX1AAA";
             r.kapott_riport_text = "599";
             r.kapott_sorszam_text = "KA";
             r.kuldott_riport_text = "599";
             r.kuldott_sorszam_text = "1";
             r.mod_combo.set(2);
             r.sex_combo.set(2);
             r.tavolsag_text = "DX/OB";
             r.pontszam_text = "10";
             r.band_text = "28 MHz ";
         },
         "2014-04-14/06:55:46=XX1AAA              =599/KA  /AA00AA/.=599/0001=CW =F=DX/OB/00010=00001="
         "              =28 MHz ="},
        {"QRP", ContestType::HaQrp,
         [](QsoRecord& r) {
             r.log_ido = "2014-03-19/10:34:48";
             r.kapott_hivojel_text = "XX1AAA";
             r.kapott_riport_text = "599";
             r.kapott_nev_text = "HISNAME";
             r.kapott_sorszam_text = "DEBRECEN";
             r.kuldott_riport_text = "599";
             r.mod_combo.set(2);
             r.kezelo_text = "OPNAME";
             r.band_text = "7 MHz  ";
             r.qth_text = "BUDAPEST";
         },
         "2014-03-19/10:34:48=XX1AAA          =599/HISNAME       /DEBRECEN             =599=CW =00001="
         "OPNAME    =2=N=7 MHz  =BUDAPEST"},
        {"SKM", ContestType::SilentKeyMem,
         [](QsoRecord& r) {
             r.log_ido = "2014-04-22/09:50:50";
             r.kapott_hivojel_text = "XX1AAA";
             r.kapott_riport_text = "599";
             r.kapott_sorszam_text = "XX2BBB";
             r.kuldott_riport_text = "599";
             r.kuldott_sorszam_text = "XX3CCC";
             r.mod_combo.set(2);
             r.tavolsag_text = "IT/SK";
             r.pontszam_text = "00002";
             r.kezelo_text = "OPNAME";
             r.band_text = "7 MHz  ";
             r.kapott_QRA_text = "28";
         },
         "2014-04-22/09:50:50=XX1AAA       =599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=00001="
         "OPNAME        =7 MHz  =28="},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(build_with(c.type, c.fill), c.expected) << c.name;
    }
}

TEST(LogLine, NmarkAndSwlLinesPutEveryFieldInItsColumns) {
    Text nmark = build_with(ContestType::Nmark, [](QsoRecord& r) {
        r.kapott_hivojel_text = "HA5XYZ";
        r.kapott_riport_text = "5NN";
        r.kapott_nev_text = "PETER";
        r.kapott_sorszam_text = "SZEGED";
        r.kuldott_riport_text = "59";
        r.mod_combo.set(1);
        r.kezelo_text = "OPNAME";
        r.tavolsag_text = "2";
        r.pontszam_text = "3";
        r.band_text = "3,5 MHz";
        r.qth_text = "GYOR";
    });
    EXPECT_EQ(nmark,
              "2024-05-04/12:30:15=HA5XYZ      =005=PETER         /SZEGED               =059=SSB=    "
              "00001=OPNAME    =2/3=3,5 MHz=GYOR");

    Text swl = build_with(ContestType::Swl, [](QsoRecord& r) {
        r.kapott_hivojel_text = "HA1AAA";
        r.kapott_riport_text = "59";
        r.kapott_sorszam_text = "12";
        r.hivojel_2_text = "HA2BBB";
        r.kuldott_riport_text = "57";
        r.kuldott_sorszam_text = "KA";
        r.mod_combo.set(2);
    });
    EXPECT_EQ(swl,
              "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           /057/KA"
              "      =00001=");
}

// --- Single fields -----------------------------------------------------------------------------

TEST(LogLine, FieldEncodings) {
    struct Case {
        const char* name;
        ContestType type;
        Fill fill;
        std::size_t column;
        Text expected;
    };
    const Case cases[] = {
        {"report 59", ContestType::Iaru, [](QsoRecord& r) { r.kapott_riport_text = "59"; }, 42, "059"},
        {"report 599", ContestType::Iaru, [](QsoRecord& r) { r.kapott_riport_text = " 599 "; }, 42, "599"},
        {"report 5NN kept", ContestType::Iaru, [](QsoRecord& r) { r.kapott_riport_text = "5NN"; }, 42, "5NN"},
        {"empty report", ContestType::Iaru, [](QsoRecord& r) { r.kapott_riport_text = ""; }, 42, "   "},
        {"report too wide", ContestType::Iaru, [](QsoRecord& r) { r.kuldott_riport_text = "59999"; }, 60, "599"},
        {"NMARK report 5NN", ContestType::Nmark, [](QsoRecord& r) { r.kapott_riport_text = "5NN"; }, 34, "005"},
        {"NMARK report none", ContestType::Nmark, [](QsoRecord& r) { r.kapott_riport_text = "NN"; }, 34, "000"},
        {"serial 12", ContestType::Iaru, [](QsoRecord& r) { r.kapott_sorszam_text = "12"; }, 46, "0012"},
        {"serial text", ContestType::Iaru, [](QsoRecord& r) { r.kapott_sorszam_text = " KA "; }, 46, "KA  "},
        {"serial too wide", ContestType::Iaru, [](QsoRecord& r) { r.kuldott_sorszam_text = "123456"; }, 64, "1234"},
        {"HSKC 15B", ContestType::Hskc, [](QsoRecord& r) { r.kapott_sorszam_text = "15B"; }, 46, "015B"},
        {"HSKC 15", ContestType::Hskc, [](QsoRecord& r) { r.kapott_sorszam_text = "15"; }, 46, "015-"},
        {"HSKC letter only", ContestType::Hskc, [](QsoRecord& r) { r.kapott_sorszam_text = "A"; }, 46, "000A"},
        {"HSKC sent 7", ContestType::Hskc, [](QsoRecord& r) { r.kuldott_sorszam_text = "7"; }, 64, "007-"},
        {"HSKC long serial", ContestType::Hskc, [](QsoRecord& r) { r.kapott_sorszam_text = "12345A"; }, 46, "1234"},
        {"locator trimmed", ContestType::Iaru, [](QsoRecord& r) { r.kapott_QRA_text = " JN97AA"; }, 51, "JN97AA"},
        {"received sex", ContestType::Iaru, [](QsoRecord& r) { r.kapott_sex_combo.set(1); }, 58, "N"},
        {"own sex", ContestType::Iaru, [](QsoRecord& r) { r.sex_combo.set(2); }, 73, "F"},
        {"mode CW", ContestType::Iaru, [](QsoRecord& r) { r.mod_combo.set(2); }, 69, "CW "},
        {"no mode chosen", ContestType::Iaru, [](QsoRecord& r) { r.mod_combo.set(0); }, 69, "..."},
        {"distance number", ContestType::CqBp, [](QsoRecord& r) { r.tavolsag_text = "123"; }, 75, "00123"},
        {"no type distance", ContestType::None, [](QsoRecord& r) { r.tavolsag_text = "7"; }, 75, "00007"},
        {"distance marker", ContestType::Hadx, [](QsoRecord& r) { r.tavolsag_text = "DX/--"; }, 75, "DX/--"},
        {"short marker padded", ContestType::Ref, [](QsoRecord& r) { r.tavolsag_text = "DX"; }, 75, "DX   "},
        {"points", ContestType::Iaru, [](QsoRecord& r) { r.pontszam_text = "7"; }, 81, "00007"},
        {"frequency", ContestType::Iaru, [](QsoRecord& r) { r.frekvencia_text = "14.025"; }, 108, "14025  "},
        {"low frequency", ContestType::Iaru, [](QsoRecord& r) { r.frekvencia_text = "03.550"; }, 108, "03550  "},
        {"default frequency", ContestType::Iaru, [](QsoRecord& r) { r.frekvencia_text = "00.000"; }, 108, "145 MHz"},
        {"blank frequency", ContestType::Iaru, [](QsoRecord& r) { r.frekvencia_text = "  .   "; }, 108, "145 MHz"},
        {"QRP band never frequency", ContestType::HaQrp, [](QsoRecord& r) { r.frekvencia_text = "14.025"; }, 108, "145 MHz"},
        {"new number", ContestType::Iaru, [](QsoRecord& r) { r.log_sorszam_text = "00042"; }, 87, "00042"},
        {"general name", ContestType::Iaru, [](QsoRecord& r) { r.kapott_nev_text = "  JANOS  "; }, 93, "JANOS         "},
        {"callsign 21 chars", ContestType::Iaru, [](QsoRecord& r) { r.kapott_hivojel_text = "HA1ABCDEFGHIJKLMNOPQR"; },
         21, "HA1ABCDEFGHIJKLMNOPQ="},
        {"QRP points 1", ContestType::HaQrp, [](QsoRecord& r) { r.kapott_nev_text = "JANOS"; r.kapott_sorszam_text = "  "; }, 104, "1"},
        {"QRP points 2", ContestType::Dx, [](QsoRecord& r) { r.kapott_nev_text = "JANOS"; r.kapott_sorszam_text = "PECS"; }, 104, "2"},
        {"SKM numeric serial", ContestType::SilentKeyMem, [](QsoRecord& r) { r.kapott_sorszam_text = "7"; }, 39, "007          "},
        {"SKM zone", ContestType::SilentKeyMem, [](QsoRecord& r) { r.kapott_QRA_text = "28"; }, 116, "28="},
        {"NMARK one-digit fields", ContestType::Nmark, [](QsoRecord& r) { r.tavolsag_text = "1"; r.pontszam_text = "4"; }, 104, "1/4"},
        {"SWL serial", ContestType::Swl, [](QsoRecord& r) { r.kuldott_sorszam_text = "007"; }, 87, "00007   "},
        {"SWL band", ContestType::Swl, [](QsoRecord& r) { r.band_text = "7 MHz     40m"; }, 21, "7 MHz   ="},
    };
    for (const Case& c : cases) {
        Text line = build_with(c.type, c.fill);
        EXPECT_EQ(col(line, c.column, c.expected.size()), c.expected) << c.name << "\n" << line;
    }
}

TEST(LogLine, EmptyLocatorIsWrittenAndSetAsAA00AA) {
    Session s = session_for(ContestType::Iaru);
    s.qso.kapott_QRA_text = "   ";
    Text line = build(s);
    EXPECT_EQ(col(line, 51, 6), "AA00AA");
    EXPECT_EQ(s.qso.kapott_QRA_text, "AA00AA");
}

TEST(LogLine, HskcCategorySetsThePoints) {
    struct Case {
        Text serial;
        Text points;
    };
    for (const Case& c : {Case{"11A", "00003"}, Case{"15B", "00001"}, Case{"15", "00000"}, Case{"9C", "00000"}}) {
        Session s = session_for(ContestType::Hskc);
        s.qso.kapott_sorszam_text = c.serial;
        s.qso.pontszam_text = "99";
        Text line = build(s);
        EXPECT_EQ(s.qso.pontszam_text, c.points) << c.serial;
        EXPECT_EQ(col(line, 81, 5), c.points) << c.serial;
    }
}

TEST(LogLine, RewriteTakesTheEditedNumber) {
    for (ContestType t : {ContestType::Iaru, ContestType::HaQrp, ContestType::SilentKeyMem,
                          ContestType::Nmark, ContestType::Swl}) {
        Session s = session_for(t);
        s.qso.log_sorszam_text = "00010";
        s.qso.edit_sorszam_text = "00003";
        std::size_t at = t == ContestType::Swl ? 96 : 87;
        EXPECT_EQ(col(build(s, kFunkcioNew), at, 5), "00010");
        EXPECT_EQ(col(build(s, kFunkcioRewrite), at, 5), "00003");
    }
}

// --- Whatever is typed, the columns hold --------------------------------------------------------

struct LayoutShape {
    ContestType type;
    std::size_t length;  // before the own QTH
    bool qth_tail;
    std::map<std::size_t, char> separators;
};

const LayoutShape kShapes[] = {
    {ContestType::Iaru, 115, false,
     {{20, '='}, {41, '='}, {45, '/'}, {50, '/'}, {57, '/'}, {59, '='}, {63, '/'}, {68, '='}, {72, '='},
      {74, '='}, {80, '/'}, {86, '='}, {92, '='}, {107, '='}, {115, '='}}},
    {ContestType::Hskc, 115, false,
     {{20, '='}, {41, '='}, {45, '/'}, {50, '/'}, {57, '/'}, {59, '='}, {63, '/'}, {68, '='}, {72, '='},
      {74, '='}, {80, '/'}, {86, '='}, {92, '='}, {107, '='}, {115, '='}}},
    {ContestType::HaQrp, 115, true,
     {{20, '='}, {37, '='}, {41, '/'}, {56, '/'}, {78, '='}, {82, '='}, {86, '='}, {92, '='}, {103, '='},
      {105, '='}, {107, '='}, {115, '='}}},
    {ContestType::SilentKeyMem, 118, false,
     {{20, '='}, {34, '='}, {38, '/'}, {52, '='}, {56, '='}, {70, '='}, {74, '='}, {80, '='}, {86, '='},
      {92, '='}, {107, '='}, {115, '='}, {118, '='}}},
    {ContestType::Nmark, 115, true,
     {{20, '='}, {33, '='}, {37, '='}, {52, '/'}, {74, '='}, {78, '='}, {82, '='}, {92, '='}, {103, '='},
      {105, '/'}, {107, '='}, {115, '='}}},
    {ContestType::Swl, 101, false,
     {{20, '='}, {29, '='}, {33, '='}, {51, '/'}, {55, '/'}, {64, '='}, {82, '/'}, {86, '/'}, {95, '='},
      {101, '='}}},
};

void fill_all(QsoRecord& r, const Text& v, int selector) {
    for (Text* f : {&r.log_ido, &r.kapott_hivojel_text, &r.kapott_riport_text, &r.kapott_sorszam_text,
                    &r.kapott_QRA_text, &r.kapott_nev_text, &r.kuldott_riport_text, &r.kuldott_sorszam_text,
                    &r.kuldott_nev_text, &r.tavolsag_text, &r.pontszam_text, &r.log_sorszam_text,
                    &r.edit_sorszam_text, &r.band_text, &r.frekvencia_text, &r.hivojel_2_text, &r.kezelo_text}) {
        *f = v;
    }
    r.mod_combo.set(selector);
    r.sex_combo.set(selector);
    r.kapott_sex_combo.set(selector);
}

TEST(LogLine, AnyInputKeepsEveryLineAtItsLayout) {
    const Text inputs[] = {
        "",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD",
        "1234567890123456789012345678901234567890",
        "-98765432109876",
        "12.5",
        "-0.5",
        "   ",
        "=/=/=/",
        hu(u8"ŐÚŰÁÉÍÓÖÜőúűáéíóöü"),
    };
    for (const LayoutShape& shape : kShapes) {
        for (const Text& in : inputs) {
            for (int selector : {-1, 1, 2}) {
                Session s = session_for(shape.type);
                fill_all(s.qso, in, selector);
                s.qso.qth_text = "QTH";
                for (short funkcio : {kFunkcioNew, kFunkcioRewrite}) {
                    QsoRecord before = s.qso;
                    Text line = build(s, funkcio);
                    SCOPED_TRACE(contest_type_names()[static_cast<int>(shape.type)] + " input '" + in + "'\n" + line);
                    ASSERT_EQ(line.size(), shape.length + (shape.qth_tail ? 3 : 0));
                    for (auto [column, sep] : shape.separators) EXPECT_EQ(line[column - 1], sep) << column;
                    if (shape.qth_tail) {
                        EXPECT_EQ(col_from(line, shape.length + 1), "QTH");
                    }
                    s.qso = before;
                }
            }
        }
    }
}

// --- The new-country marker -------------------------------------------------------------------

// Countries by the first two letters of the callsign.
class PrefixCountries : public CountryLookup {
public:
    Text dxcc_kereses(const Text& callsign) const override {
        Text p = col(callsign, 1, 2);
        int index = p == "HA" ? 239 : p == "OE" ? 206 : p == "YU" ? 296 : 0;
        return pad_cut(zero_pad(index, 3), 107);
    }
};

TEST(NewCountryMarker, FirstQsoOfACountryIsNewLaterOnesAreNot) {
    PrefixCountries countries;
    std::vector<char> worked(1001, 0);
    EXPECT_EQ(new_country_marker("HA1AAA", countries, worked), 'N');
    EXPECT_EQ(new_country_marker("HA2BBB", countries, worked), '-');
    EXPECT_EQ(new_country_marker("OE1CCC", countries, worked), 'N');
    EXPECT_EQ(new_country_marker("HA1AAA", countries, worked), '-');
    EXPECT_EQ(worked[239], 1);
    EXPECT_EQ(worked[206], 1);
}

TEST(NewCountryMarker, GrowsTheFlagsInsteadOfReadingPastThem) {
    PrefixCountries countries;
    std::vector<char> worked;
    EXPECT_EQ(new_country_marker("YU1AAA", countries, worked), 'N');
    ASSERT_GE(worked.size(), 297u);
    EXPECT_EQ(new_country_marker("YU1AAA", countries, worked), '-');
}

TEST(NewCountryMarker, ChosenOnAddKeptOnRewrite) {
    PrefixCountries countries;
    Session s = session_for(ContestType::HaQrp);
    s.countries = &countries;
    s.qso.kapott_hivojel_text = "HA1AAA";
    EXPECT_EQ(build(s, kFunkcioNew)[105], 'N');
    EXPECT_EQ(build(s, kFunkcioNew)[105], '-');

    // The first line is restored and rewritten: its "N" stays and no flag changes.
    s.log_lista.add(build_with(ContestType::HaQrp, [](QsoRecord& r) { r.kapott_hivojel_text = "HA1AAA"; }));
    s.log_lista.select_only(0);
    testing::FakePorts fakes;
    s.ports = fakes.ports();
    qso_sor_visszatoltes(s);
    std::vector<char> flags_before = s.country_worked;
    EXPECT_EQ(build(s, kFunkcioRewrite)[105], 'N');
    EXPECT_EQ(s.country_worked, flags_before);
}

// --- Round trip: build, restore, rewrite ------------------------------------------------------

TEST(LogLine, RestoredLineIsRewrittenUnchanged) {
    struct Case {
        ContestType type;
        Fill fill;
    };
    const Case cases[] = {
        {ContestType::Iaru,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "HG5ABC/P";
             r.kapott_riport_text = "57";
             r.kapott_sorszam_text = "123";
             r.kapott_QRA_text = "JN97AA";
             r.kapott_sex_combo.set(1);
             r.kuldott_riport_text = "59";
             r.kuldott_sorszam_text = "45";
             r.mod_combo.set(3);
             r.sex_combo.set(2);
             r.tavolsag_text = "345";
             r.pontszam_text = "345";
             r.kapott_nev_text = "EVA";
             r.band_text = "435 MHz";
         }},
        {ContestType::Hskc,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "HA3XYZ";
             r.kapott_riport_text = "599";
             r.kapott_sorszam_text = "15B";
             r.kuldott_riport_text = "599";
             r.kuldott_sorszam_text = "3A";
             r.mod_combo.set(2);
             r.tavolsag_text = "DX/OB";
             r.band_text = "3,5 MHz";
         }},
        {ContestType::Dx,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "OE1XYZ";
             r.kapott_riport_text = "579";
             r.kapott_nev_text = "HANS";
             r.kapott_sorszam_text = "WIEN";
             r.kuldott_riport_text = "599";
             r.mod_combo.set(2);
             r.kezelo_text = "OPNAME";
             r.qth_text = "BUDAPEST";
             r.band_text = "14 MHz ";
         }},
        {ContestType::SilentKeyMem,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "HA7SK";
             r.kapott_riport_text = "599";
             r.kapott_sorszam_text = "HA5AA";
             r.kuldott_riport_text = "599";
             r.kuldott_sorszam_text = "HA6BB";
             r.mod_combo.set(2);
             r.tavolsag_text = "IT/SK";
             r.pontszam_text = "00002";
             r.kezelo_text = "OPNAME";
             r.kapott_QRA_text = "28";
             r.band_text = "7 MHz  ";
         }},
        {ContestType::Nmark,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "HA8NM";
             r.kapott_riport_text = "59";
             r.kapott_nev_text = "ANNA";
             r.kapott_sorszam_text = "SZEGED";
             r.kuldott_riport_text = "59";
             r.mod_combo.set(1);
             r.kezelo_text = "OPNAME";
             r.tavolsag_text = "1";
             r.pontszam_text = "2";
             r.qth_text = "GYOR";
             r.band_text = "3,5 MHz";
         }},
        {ContestType::Swl,
         [](QsoRecord& r) {
             r.kapott_hivojel_text = "HA1AAA";
             r.kapott_riport_text = "59";
             r.kapott_sorszam_text = "12";
             r.hivojel_2_text = "HA2BBB";
             r.kuldott_riport_text = "57";
             r.kuldott_sorszam_text = "KA";
             r.mod_combo.set(2);
             r.band_text = "21 MHz ";
         }},
    };
    for (const Case& c : cases) {
        Session s = session_for(c.type);
        testing::FakePorts fakes;
        s.ports = fakes.ports();
        c.fill(s.qso);
        s.qso.log_sorszam_text = "00007";
        Text line = build(s);
        SCOPED_TRACE(line);

        // The operator moves on: the QSO fields (not the own ones) are cleared and the band changed.
        QsoRecord own = s.qso;
        s.qso = empty_qso_record();
        s.qso.kezelo_text = own.kezelo_text;
        s.qso.qth_text = own.qth_text;
        s.qso.sex_combo = own.sex_combo;
        s.qso.frekvencia_text = "00.000";
        s.qso.band_text = "145 MHz";
        s.current_band_index = 14;

        s.log_lista.add("2024-05-04/12:00:00=not this one");
        s.log_lista.add(line);
        s.log_lista.select_only(1);
        qso_sor_visszatoltes(s);
        ASSERT_EQ(s.edit_mode, 1);
        EXPECT_EQ(s.qso.edit_sorszam_text, "00007");
        EXPECT_EQ(s.qso.band_text, own.band_text);
        EXPECT_EQ(band_name(s.current_band_index), own.band_text);
        EXPECT_EQ(build(s, kFunkcioRewrite), line);
    }
}

}  // namespace
}  // namespace loxar
