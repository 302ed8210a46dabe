// QSO entry from the keyboard: field moves, the record check, adding and clearing.
#include "session/qso_entry.hpp"

#include <gtest/gtest.h>

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "session/numbering.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using T = ContestType;

// A started window with own data, ready for an SSB QSO on 145 MHz.
struct Entry : testing::Started {
    explicit Entry(T type) : Started(type, testing::kOwnData) {
        s.qso.mod_combo.set(1);
        s.qso.log_ido = "2024-05-04/12:30:15";
        log_inic_rutin(s);
    }
    void qso(const Text& call, const Text& serial, const Text& locator) {
        s.qso.kapott_hivojel_text = call;
        s.qso.kapott_sorszam_text = serial;
        s.qso.kapott_QRA_text = locator;
    }
    const Text& last_message() const { return fakes.ui.messages.back(); }
};

TEST(EntryKeys, SpaceMovesByContestType) {
    struct Case {
        T type;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        // The general order, one type that skips a field, and the wrap back to the callsign.
        {T::Iaru, "kapott_hivojel_text", "kapott_sorszam_text"},
        {T::CqwwVhf, "kapott_hivojel_text", "kapott_QRA_text"},
        {T::Swl, "kapott_sorszam_text", "hivojel_2_text"},
        {T::Iaru, "kuldott_sorszam_text", "kapott_hivojel_text"},
    };
    for (const Case& c : cases) {
        auto to = space_target(c.type, find_control(c.from).value());
        ASSERT_TRUE(to.has_value()) << c.from;
        EXPECT_EQ(control_name(*to), c.to) << static_cast<int>(c.type) << " " << c.from;
    }
    EXPECT_FALSE(space_target(T::Hadx, Control::kapott_QRA_text).has_value());
}

TEST(EntryKeys, SpaceAndEnterNeverReachTheField) {
    Entry e(T::Iaru);
    char space = ' ';
    EXPECT_TRUE(entry_key_press(e.s, Control::kapott_hivojel_text, space));
    EXPECT_EQ(e.fakes.ui.focus_log.back(), "kapott_sorszam_text");
    char enter = '\r';
    EXPECT_TRUE(entry_key_press(e.s, Control::kapott_riport_text, enter));
    EXPECT_FALSE(e.fakes.ui.messages.empty());  // the empty callsign was refused
}

TEST(EntryKeys, UpperCaseEverywhereAccentsFoldedInTextFields) {
    const Text a_acute = hu(u8"á"), o_dbl = hu(u8"ő");
    EXPECT_EQ(entry_char(Control::kapott_nev_text, a_acute[0]), 'A');
    EXPECT_EQ(entry_char(Control::kapott_nev_text, o_dbl[0]), 'O');
    EXPECT_EQ(entry_char(Control::exch_text, 'x'), 'X');
    EXPECT_EQ(entry_char(Control::kapott_hivojel_text, 'h'), 'H');
    // A callsign takes no accented letter: only text fields fold, and an "Á" is no callsign letter.
    EXPECT_EQ(entry_char(Control::kapott_hivojel_text, a_acute[0]), '\0');
}

TEST(EntryCheck, OneFaultOneMessage) {
    struct Case {
        T type;
        const char* serial;
        const char* locator;
        const char* time;        // nullptr: the entry's own
        const char8_t* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {T::Iaru, "001", "JN97", nullptr, u8"Kapott QRA hiba\r\n"},  // four characters only where allowed
        {T::CqwwVhf, "001", "JN97", nullptr, nullptr},
        {T::Iaru, "001", "", nullptr, nullptr},  // no locator: the placeholder
        {T::Iaru, "BP", "JN97AA", nullptr, u8"Kapott sorszám hiba\r\n"},
        {T::Exchange, "BP", "JN97AA", nullptr, nullptr},  // letters are an exchange here
        {T::Iaru, "1", "JN97AA", "2024-05-04/25:61:99", u8"Dátum hiba\r\n"},
    };
    for (const Case& c : cases) {
        Entry e(c.type);
        e.qso("HA1ABC", c.serial, c.locator);
        if (c.time) e.s.qso.log_ido = c.time;
        EXPECT_EQ(QSO_adat_vizsgalat(e.s), c.message ? 0 : 1) << c.serial << " " << c.locator;
        if (c.message) {
            EXPECT_EQ(e.last_message(), hu(c.message));
        }
        if (std::string_view(c.locator).empty()) {
            EXPECT_EQ(e.s.qso.kapott_QRA_text, "AA00AA");
        }
    }
}

TEST(EntryCheck, EveryFaultListedInBitOrder) {
    Entry e(T::YlOm);
    e.qso("", "X", "JN97AA");
    e.s.qso.mod_combo.set(0);
    e.s.qso.kapott_sex_combo.set(0);
    e.s.qso.kapott_nev_text = " ";
    e.s.qso.log_ido = "2024-13-45/12:30:15";
    EXPECT_EQ(QSO_adat_vizsgalat(e.s), 0);
    EXPECT_EQ(e.last_message(), hu(u8"Kapott hívójel hiba\r\nKapott sorszám hiba\r\nÜzemmód hiba\r\n"
                                   u8"Kapott sex hiba\r\nKapott név hiba\r\nDátum hiba\r\n"));
    Entry swl(T::Swl);
    swl.qso("", "", "");
    swl.s.qso.kapott_riport_text = "";
    EXPECT_EQ(QSO_adat_vizsgalat(swl.s), 0);
    EXPECT_EQ(swl.last_message(), hu(u8"Hallott/Partner hívójel hiba\r\nHallott riport hiba\r\n"
                                     u8"Hallott exchange hiba\r\n"));
}

TEST(Adding, AppendsTheLineAdvancesTheNumberAndSavesTheBand) {
    Entry e(T::Iaru);
    e.qso("HA1ABC", "001", "JN97AA");
    hozzaadas_rutin(e.s);
    ASSERT_EQ(e.s.log_lista.size(), 1u);
    const Text& line = e.s.log_lista.at(0);
    EXPECT_EQ(col(line, 21, 6), "HA1ABC");
    EXPECT_EQ(col(line, 87, 5), "00001");
    EXPECT_EQ(trim(col(line, 108, 7)), "145 MHz");
    EXPECT_EQ(e.s.qso.log_sorszam_text, "00002");
    EXPECT_EQ(e.s.qso.kuldott_sorszam_text, "2");
    EXPECT_TRUE(e.s.log_changed);
    EXPECT_TRUE(e.s.log_lista.selected(0));
    auto saved = read_file(band_save_path(e.s));
    ASSERT_TRUE(saved.has_value());
    EXPECT_NE(saved->find(line), Text::npos);
    EXPECT_EQ(e.fakes.ui.focus_log.back(), "kapott_hivojel_text");

    // With real time off the time field is next.
    e.s.real_time_check = false;
    e.qso("HA1ABD", "002", "JN97AA");
    hozzaadas_rutin(e.s);
    EXPECT_EQ(e.s.log_lista.size(), 2u);
    EXPECT_EQ(e.fakes.ui.focus_log.back(), "log_ido");
}

TEST(Adding, RefusedInEditModeAndOnAFault) {
    Entry e(T::Iaru);
    e.s.edit_mode = true;
    e.qso("HA1ABC", "001", "JN97AA");
    hozzaadas_rutin(e.s);
    EXPECT_TRUE(e.s.log_lista.empty());
    ASSERT_FALSE(e.fakes.ui.questions.empty());
    EXPECT_EQ(e.fakes.ui.questions.back(),
              hu(u8"A program Szerkesztés módban van.\r\nA kilépéshez kattintson a villogó mezőre!"));
    e.s.edit_mode = false;
    e.qso("HA1ABC", "001", "JN9");
    hozzaadas_rutin(e.s);
    EXPECT_TRUE(e.s.log_lista.empty());
    EXPECT_EQ(e.s.qso.kapott_hivojel_text, "HA1ABC");  // kept for correcting
}

TEST(Adding, RefusedWhenTheNextNumberWouldNeedSixDigits) {
    const Text line = testing::general("HA1XYZ");
    // A full log, and a short one whose last QSO already carries 99999 (earlier ones deleted).
    const std::vector<Text> logs[] = {std::vector<Text>(kMaxLogQsos, line), {with_log_number(line, 99999)}};
    for (const auto& log : logs) {
        Entry e(T::Iaru);
        e.log(log);
        e.qso("HA1ABC", "001", "JN97AA");
        hozzaadas_rutin(e.s);
        EXPECT_EQ(e.s.log_lista.size(), log.size());
        EXPECT_EQ(e.last_message(), hu(u8"A LOG megtelt: legfeljebb 99999 QSO fér bele!"));
        EXPECT_EQ(e.fakes.ui.beeps, 1);
        EXPECT_EQ(e.s.qso.kapott_hivojel_text, "HA1ABC");
        EXPECT_FALSE(std::filesystem::exists(band_save_path(e.s)));
        EXPECT_FALSE(std::filesystem::exists(backup_file_path(e.s)));
    }
}

TEST(Adding, AutomaticClearingPreparesTheNextQso) {
    Entry e(T::Swl);
    e.s.auto_torles_check = true;
    e.qso("HA1ABC", "001", "");
    e.s.qso.hivojel_2_text = "HA2DEF";
    const Text total = e.s.ossz_pontszam_text;
    hozzaadas_rutin(e.s);
    ASSERT_EQ(e.s.log_lista.size(), 1u);
    EXPECT_EQ(e.s.ossz_pontszam_text, total);  // a listener's log has no score
    EXPECT_EQ(e.s.qso.kapott_hivojel_text, "");
    EXPECT_EQ(e.s.qso.hivojel_2_text, "");
    EXPECT_EQ(e.s.qso.kapott_QRA_text, "AA00AA");
    EXPECT_FALSE(e.s.view[Control::kapott_QRA_text].enabled);
}

TEST(Adding, FieldsClearedByTheAddAreNotCheckedWhenLeft) {
    Entry e(T::Iaru);
    e.s.auto_torles_check = true;
    e.qso("HA1ABC", "001", "JN97AA");
    hozzaadas_rutin(e.s);  // Enter in the locator field; the focus then leaves its emptied text
    ASSERT_EQ(e.s.log_lista.size(), 1u);
    entry_field_lost_focus(e.s, Control::kapott_QRA_text, false);
    EXPECT_TRUE(e.fakes.ui.messages.empty());

    char c = 'J';  // the operator's next key makes the fields theirs again
    entry_key_press(e.s, Control::kapott_QRA_text, c);
    entry_field_lost_focus(e.s, Control::kapott_QRA_text, false);
    EXPECT_EQ(e.last_message(), hu(u8"Hibás QRA formátum!"));
}

TEST(Adding, EnterRightInTheCallsignFieldScoresThatCallsign) {
    Entry e(T::Hadx);
    e.qso("HA1ABC", "001", "");
    kapott_hivojel_text_LostFocus(e.s);
    EXPECT_EQ(e.s.qso.pontszam_text, "1");
    e.s.qso.kapott_hivojel_text = "W1AW";  // corrected, then Enter without leaving the field
    hozzaadas_rutin(e.s);
    ASSERT_EQ(e.s.log_lista.size(), 1u);
    EXPECT_EQ(col(e.s.log_lista.at(0), 75, 11), "DX/--/00005");
}

TEST(CallsignLeft, CountryShownForTheWorkedStationOnlyWithAMode) {
    Entry e(T::Iaru);
    e.s.qso.mod_combo.set(0);
    e.s.qso.kapott_hivojel_text = " HA1ABC ";
    kapott_hivojel_text_LostFocus(e.s);
    EXPECT_EQ(e.last_message(), hu(u8"Valasszon adasmódot!"));
    EXPECT_EQ(e.s.qso.kapott_hivojel_text, " HA1ABC ");

    e.s.qso.mod_combo.set(1);
    kapott_hivojel_text_LostFocus(e.s);
    EXPECT_EQ(e.s.qso.kapott_hivojel_text, "HA1ABC");
    EXPECT_EQ(e.s.worked.current_country_name, "Hungary");
    EXPECT_EQ(e.s.worked.current_continent, "EU");
    EXPECT_EQ(e.s.worked.qth_label, "Hungary  EU");
}

TEST(EntryEvents, RefExchangeMultiplierAsTyped) {
    Entry e(T::Ref);
    e.qso("F5ABC", "75", "");
    e.s.log_lista.add(pad_cut("2024-05-04/12:00:00=F1AAA", 45) + "0075" + Text(70, ' '));
    entry_field_changed(e.s, Control::kapott_sorszam_text);
    EXPECT_EQ(e.s.qso.tavolsag_text, "-----");
    e.s.qso.kapott_sorszam_text = "76";
    entry_field_changed(e.s, Control::kapott_sorszam_text);
    EXPECT_EQ(e.s.qso.tavolsag_text, "Multi");
}

TEST(EntryEvents, SwapExchangesTheTwoHeardStations) {
    Entry e(T::Swl);
    e.qso("HA1ABC", "001", "");
    e.s.qso.hivojel_2_text = "HA2DEF";
    e.s.qso.kuldott_sorszam_text = "002";
    e.s.qso.kapott_riport_text = "57";
    e.s.qso.kuldott_riport_text = "59";
    csere_cmd_Click(e.s);
    EXPECT_EQ(e.s.qso.kapott_hivojel_text, "HA2DEF");
    EXPECT_EQ(e.s.qso.hivojel_2_text, "HA1ABC");
    EXPECT_EQ(e.s.qso.kapott_sorszam_text, "002");
    EXPECT_EQ(e.s.qso.kapott_riport_text, "59");
}

}  // namespace
}  // namespace loxar
