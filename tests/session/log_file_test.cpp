// Log files as the operator meets them: saving, loading, merging, and files that are not logs.
#include "session/log_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "session/log_commands.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::general;

const Text kHeader = "Log records:\r\nHA5XX,JN97AA,OP,2,14,0 ,,1,X,1,,0\r\n";

struct Home : testing::Started {
    using Started::Started;
    fs::path file(const char* name) const { return s.paths.log_dir / name; }
    fs::path write(const char* name, const Text& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }
};

TEST(LogFile, SavedAndLoadedAgainGivesTheLinesRenumberedAndTheHeader) {
    Home a(ContestType::None, testing::kOwnData);
    a.s.current_band_index = 3;
    a.s.szabaly_combo.set(1);
    a.s.station.exch_text = " 12 ";
    a.s.real_time_check = false;
    a.s.qso.qth_text = "BUDAPEST, XI";  // a comma must not shift the later fields
    a.s.ido_eltolas_combo.set(2);
    a.s.station.verseny_neve_text = "VHF TAVASZ";
    a.s.auto_mentes_combo.set(1);
    for (int n : {5, 9, 12}) a.s.log_lista.add(general("XX" + std::to_string(n) + "AA", n));
    ASSERT_TRUE(log_mentes(a.s, a.file("three.log")));
    EXPECT_EQ(read_file(a.file("three.log")),
              "Log records:\r\nHA5XX,JN97AA,OPNAME,2,3 ,1 ,12,0,BUDAPEST; XI,2,VHF TAVASZ,1\r\n" +
                  general("XX5AA", 5) + "\r\n" + general("XX9AA", 9) + "\r\n" + general("XX12AA", 12) +
                  "\r\nEnd\r\n");

    Home b;
    b.s.log_changed = true;
    log_beolvasas(b.s, a.file("three.log"));
    EXPECT_EQ(b.s.log_lista.items(),
              (std::vector<Text>{general("XX5AA", 1), general("XX9AA", 2), general("XX12AA", 3)}));
    EXPECT_EQ(b.s.qso.log_sorszam_text, "00004");
    EXPECT_FALSE(b.s.log_changed);
    EXPECT_EQ(b.s.station.hivojel_text + b.s.station.QRA_text + b.s.qso.kezelo_text, "HA5XXJN97AAOPNAME");
    EXPECT_EQ(b.s.qso.sex_combo.list_index, 2);
    EXPECT_EQ(b.s.current_band_index, 3);
    EXPECT_EQ(b.s.qso.band_text, "3,5 MHz");
    EXPECT_EQ(b.s.sheet.tx_PBand, "80m");
    EXPECT_EQ(b.s.contest(), ContestType::Iaru);
    EXPECT_EQ(b.s.station.exch_text, "12");
    EXPECT_FALSE(b.s.real_time_check);
    EXPECT_EQ(b.s.qso.qth_text, "BUDAPEST; XI");
    EXPECT_EQ(b.s.ido_eltolas_combo.list_index, 2);
    EXPECT_EQ(b.s.station.verseny_neve_text, "VHF TAVASZ");
    EXPECT_EQ(b.s.auto_mentes_combo.list_index, 1);
    EXPECT_TRUE(b.fakes.ui.messages.empty());
}

TEST(LogFile, ShortOrDamagedHeaderLeavesFieldsAlone) {
    // Before each case: band 14, sex 1, UTC offset 1, QTH "OLD".
    const struct {
        const char* header;
        short band;
        int sex, offset;
        const char* qth;
    } cases[] = {
        {"HA5XX,JN97AA,OP,2,3 ,0 ,,1,X,3,N,0", 3, 2, 3, "X"},
        {"HA5XX,JN97AA,OP", 14, 1, 1, "OLD"},
        {"HA5XX,JN97AA,OP,9,99999999999,0 ,,1,X,-4,N,7", 14, 1, 1, "X"},
    };
    for (const auto& c : cases) {
        Home h;
        h.s.qso.sex_combo.set(1);
        h.s.qso.qth_text = "OLD";
        log_beolvasas(h.s, h.write("h.log", Text("Log records:\r\n") + c.header + "\r\nEnd\r\n"));
        EXPECT_EQ(h.s.current_band_index, c.band) << c.header;
        EXPECT_EQ(h.s.qso.sex_combo.list_index, c.sex) << c.header;
        EXPECT_EQ(h.s.ido_eltolas_combo.list_index, c.offset) << c.header;
        EXPECT_EQ(h.s.qso.qth_text, c.qth) << c.header;
    }
}

TEST(LogFile, MissingEndKeepsTheLinesReadUnnumbered) {
    Home h;
    log_beolvasas(h.s, h.write("cut.log", kHeader + general("XX1AA", 5) + "\r\n" + general("XX2AA", 9)));
    EXPECT_EQ(h.fakes.ui.messages, std::vector<Text>{hu(u8"File vég hiba!")});
    EXPECT_EQ(h.s.log_lista.items(), (std::vector<Text>{general("XX1AA", 5), general("XX2AA", 9)}));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00010");  // the next QSO does not repeat a number
}

TEST(LogFile, AtMostALogOfLinesIsKeptAndLongLinesAreCut) {
    Home h;
    Text bytes = kHeader + Text(100000, 'X') + "\r\n";
    for (int i = 0; i < 200000; ++i) bytes += "\r\n";
    log_beolvasas(h.s, h.write("empty_lines.log", bytes + "End\r\n"));
    EXPECT_EQ(h.s.log_lista.size(), kMaxLogQsos);
    EXPECT_EQ(h.s.log_lista.at(0).size(), kMaxLogLineLength);
    EXPECT_EQ(h.fakes.ui.messages.back(), log_lines_left_out_message(200001 - kMaxLogQsos));
}

TEST(LogFile, UnusableFilesAreReportedAndChangeNothing) {
    Text binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 5000; ++i) binary += static_cast<char>(i * 37);
    const struct {
        const char* name;
        Text bytes;
        const char8_t* message;  // the start of it
    } cases[] = {
        {"binary.log", binary, u8"Nem LOG file!"},
        {"empty.log", "", u8"Nem LOG file!"},
        {"text.log", "Log records\r\nEnd\r\n", u8"Nem LOG file!"},
        {"huge.log", "Log records:\r\n", u8"A LOG file nem olvasható"},
        {"dir.log", "", u8"A LOG file nem olvasható"},
    };
    for (const auto& c : cases) {
        Home h;
        h.s.log_lista.add(general("XX1AA", 1));
        h.s.station.verseny_neve_text = "MY CONTEST";
        h.s.auto_mentes_combo.set(1);
        if (Text(c.name) == "dir.log") {
            fs::create_directory(h.file(c.name));
        } else {
            h.write(c.name, c.bytes);
        }
        if (Text(c.name) == "huge.log") fs::resize_file(h.file(c.name), kMaxInputFileBytes + 1);
        log_beolvasas(h.s, h.file(c.name));
        ASSERT_EQ(h.fakes.ui.messages.size(), 1u) << c.name;
        EXPECT_TRUE(h.fakes.ui.messages[0].starts_with(hu(c.message))) << c.name;
        EXPECT_EQ(h.s.log_lista.items(), std::vector<Text>{general("XX1AA", 1)}) << c.name;
        EXPECT_EQ(h.s.station.verseny_neve_text, "MY CONTEST") << c.name;
        EXPECT_EQ(h.s.auto_mentes_combo.list_index, 1) << c.name;
    }
    // Binary lines after a good first line are taken as they are, without a crash.
    Home h;
    log_beolvasas(h.s, h.write("junk.log", "Log records:\r\n" + binary));
    EXPECT_EQ(h.fakes.ui.messages, std::vector<Text>{hu(u8"File vég hiba!")});
}

TEST(LogFile, EmptyListWritesNothing) {
    Home h;
    EXPECT_TRUE(log_mentes(h.s, h.file("new.log")));
    EXPECT_FALSE(fs::exists(h.file("new.log")));
    EXPECT_TRUE(log_mentes(h.s, h.write("old.log", "previous")));
    EXPECT_EQ(read_file(h.file("old.log")), "previous");
}

TEST(SaveButton, EmptyLogFailureAndSuccess) {
    Home h;
    save_log_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), "Nincs mit menteni!");

    h.s.log_lista.add(general("XX1AA", 1));
    h.s.log_changed = true;
    const Text missing = text_path(h.s.paths.log_dir / "nope" / "x.log");
    h.fakes.ui.chooser_results = {missing};
    save_log_cmd_Click(h.s);
    EXPECT_EQ(h.s.dialog.chooser_mode, ChooserMode::Save);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nem sikerült menteni: ") + missing);
    EXPECT_TRUE(h.s.log_changed);

    h.fakes.ui.chooser_results = {text_path(h.file("kész.log"))};
    save_log_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), "Elmentve!");
    EXPECT_FALSE(h.s.log_changed);
    EXPECT_TRUE(fs::exists(h.file("kész.log")));
}

TEST(LoadButton, WrongFileKeepsTheLogAGoodOneReplacesItAndDropsTheBackup) {
    Home h;
    h.s.log_lista.add(general("XX1AA", 1));
    h.s.log_changed = true;
    for (const char* name : {"notes.log", "missing.log"}) {
        if (Text(name) == "notes.log") h.write(name, "just some notes\r\n");
        h.fakes.ui.answers = {true};
        h.fakes.ui.chooser_results = {text_path(h.file(name))};
        load_log_cmd_Click(h.s);
        EXPECT_EQ(h.s.log_lista.items(), std::vector<Text>{general("XX1AA", 1)}) << name;
    }
    EXPECT_EQ(h.fakes.ui.messages.size(), 2u);

    const fs::path two =
        h.write("two.log", kHeader + general("XX7AA", 7) + "\r\n" + general("XX8AA", 8) + "\r\nEnd\r\n");
    std::ofstream(backup_file_path(h.s)) << "HOZZAADAS  x\r\n";
    h.fakes.ui.chooser_results = {text_path(two)};
    h.fakes.ui.answers = {false};
    load_log_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"A LOG megváltozott, folytatja a beolvasást?"));
    EXPECT_EQ(h.s.log_lista.size(), 1u);

    h.fakes.ui.answers = {true};
    load_log_cmd_Click(h.s);
    EXPECT_EQ(h.s.log_lista.items(), (std::vector<Text>{general("XX7AA", 1), general("XX8AA", 2)}));
    EXPECT_FALSE(fs::exists(backup_file_path(h.s)));
}

TEST(MergeButton, AppendsAndRenumbersTheWholeLog) {
    Home h;
    h.s.log_lista.add(general("XX1AA", 1));
    h.s.log_lista.add(general("XX2AA", 2));
    h.fakes.ui.chooser_results = {text_path(h.write("o.log", kHeader + general("XX7AA", 1) + "\r\nEnd"))};
    h.fakes.ui.answers = {true};
    log_osszefuzes_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.questions.back(),
              hu(u8"Csak azonos versenyek log-jai füzhetöek össze!\r\nFolytatja?"));
    EXPECT_EQ(h.s.log_lista.items(),
              (std::vector<Text>{general("XX1AA", 1), general("XX2AA", 2), general("XX7AA", 3)}));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00004");
    EXPECT_TRUE(h.s.log_changed);  // the merged log is nowhere on disk yet
}

}  // namespace
}  // namespace loxar
