// The EDI report: list lines from log lines, the whole report text, remarks and record fields.
#include "reports/edi_report.hpp"

#include <gtest/gtest.h>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

using testing::Worked;

struct Source {
    DataSheet sheet;
    std::vector<Text> log, list;
    ReportSource src() const { return {sheet, log, list, {}, {}, {}, {}, {}, {}}; }
};

Text iaru(const Worked& q) {
    return testing::line_of(ContestType::Iaru, q);
}

// clang-format off
void fill_sheet(DataSheet& d) {
    d.tx_TName = "IARU VHF"; d.tx_TDate_1 = "2024-05-04"; d.tx_TDate_2 = "2024-05-05";
    d.tx_PCall = " HA5XYZ "; d.tx_PWWLo = "JN97KK"; d.tx_PAdr1 = "Kossuth u. 1 "; d.tx_PAdr2 = "Budapest";
    d.tx_PSect = " SINGLE OP "; d.tx_PBand = "2m "; d.tx_PClub = "MRASZ"; d.tx_RName = "Kovacs Janos";
    d.tx_RCall = "HA5XYZ"; d.tx_RAdr1 = "KOSSUTH U. 1"; d.tx_RPoCo = "1111"; d.tx_RCity = "BUDAPEST";
    d.tx_RCoun = "HUNGARY"; d.tx_RPhon = "+36 1 234 5678"; d.tx_RHBBS = "ha5xyz@example.hu";
    d.tx_STXEq = "IC-9700"; d.tx_SPowe = "100"; d.tx_SRXEq = "IC-9700"; d.tx_SAnte = "9EL YAGI";
    d.tx_SAntH_ground = "12"; d.tx_SAntH_see = "250"; d.tx_CQSOs = "3"; d.tx_CQSOMul = "1";
    d.tx_CQSOP = "715"; d.tx_CWWLs = "3"; d.tx_CWWLBo = "0"; d.tx_CWWLMul = "1"; d.tx_CWWLB = "0";
    d.tx_CExcs = "1"; d.tx_CExcsBo = "0"; d.tx_CExcsMul = "1"; d.tx_CExcB = "0"; d.tx_CDXCs = "3";
    d.tx_CDXCBo = "0"; d.tx_CDXCMul = "1"; d.tx_CDXCB = "0"; d.tx_CToSc = "715"; d.tx_CODXC = "OK1ABC";
    d.tx_CODXWWL = "JO70FD"; d.tx_CODXDis = "345"; d.tx_QSORecords = "4";
    d.tx_Remark = "Thanks for the contest";
}
// clang-format on

TEST(EdiReport, WholeReportFromLog) {
    Source s;
    fill_sheet(s.sheet);
    // time, call, rst, nr, locator, sent rst and nr, mode, distance, points, log number
    // clang-format off
    auto qso = [](Text time, Text call, Text rst, Text nr, Text loc, Text sent_rst, Text sent_nr, int mode,
                  Text dist, Text pts, Text num) {
        return iaru({.time = time, .call = call, .rst = rst, .nr = nr, .loc = loc, .sent_rst = sent_rst,
                     .sent_nr = sent_nr, .mode = mode, .dist = dist, .pts = pts, .num = num});
    };
    // clang-format on
    const Text ssb =
        qso("2024-05-04/14:32:10", "OK1ABC", "59", "12", "JO70FD", "59", "1", 1, "345", "345", "00001");
    const Text cw =
        qso("2024-05-04/15:05:44", "HA1XY", "599", "AB", "JN87AB", "599", "2", 2, "120", "120", "00002");
    const Text fm_dupe =
        qso("2024-05-04/16:00:05", "OK1ABC", "55", "7", "JO70FD", "57", "3", 3, "345", "0", "00003");
    const Text el =
        qso("2024-05-05/07:09:00", "S51A/P", "59", "3", "JN76", "59", "4", 7, "250", "250", "00004");
    s.list = {edi_list_line(ssb, {.new_square = true, .new_country = true}),
              edi_list_line(cw, {.new_exchange = true}), edi_list_line(fm_dupe, {.duplicate = true}),
              edi_list_line(el, {.new_square = true})};

    EXPECT_EQ(s.list[0], "240504;1432;OK1ABC              ;1;059;0001;059;0012;   =05;JO70FD;00345; ;N;N; ");
    EXPECT_EQ(s.list[1], "240504;1505;HA1XY               ;2;599;0002;599;AB  ;   =59;JN87AB;00120;N; ; ; ");
    EXPECT_EQ(s.list[2], "240504;1600;OK1ABC              ;6;057;0003;055;0007;   =05;JO70FD;00000; ; ; ;D");
    EXPECT_EQ(s.list[3], "240505;0709;S51A/P              ;0;059;0004;059;0003;   =05;JN76  ;00250; ;N; ; ");

    EXPECT_EQ(edi_report(s.src()),
              "[REG1TEST;1]\r\n"
              "TName=IARU VHF\r\n"
              "TDate=20240504;20240505\r\n"
              "PCall=HA5XYZ\r\n"
              "PWWLo=JN97KK\r\n"
              "PExch=\r\n"
              "PAdr1=Kossuth u. 1 \r\n"
              "PAdr2=Budapest\r\n"
              "PSect=SINGLE OP\r\n"
              "PBand=2m\r\n"
              "PClub=MRASZ\r\n"
              "RName=Kovacs Janos\r\n"
              "RCall=HA5XYZ\r\n"
              "RAdr1=KOSSUTH U. 1\r\n"
              "RAdr2=\r\n"
              "RPoCo=1111\r\n"
              "RCity=BUDAPEST\r\n"
              "RCoun=HUNGARY\r\n"
              "RPhon=+36 1 234 5678\r\n"
              "RHBBS=ha5xyz@example.hu\r\n"
              "MOpe1=\r\n"
              "MOpe2=\r\n"
              "STXEq=IC-9700\r\n"
              "SPowe=100\r\n"
              "SRXEq=IC-9700\r\n"
              "SAnte=9EL YAGI\r\n"
              "SAntH=12;250\r\n"
              "CQSOs=3;1\r\n"
              "CQSOP=715\r\n"
              "CWWLs=3;0;1\r\n"
              "CWWLB=0\r\n"
              "CExcs=1;0;1\r\n"
              "CExcB=0\r\n"
              "CDXCs=3;0;1\r\n"
              "CDXCB=0\r\n"
              "CToSc=715\r\n"
              "CODXC=OK1ABC;JO70FD;345\r\n"
              "[Remarks]\r\n"
              "Thanks for the contest\r\n"
              "[QSORecords;4]\r\n"
              "240504;1432;OK1ABC;1;59;0001;59;0012;;JO70FD;345;;N;N;\r\n"
              "240504;1505;HA1XY;2;599;0002;599;AB  ;;JN87AB;120;N;;;\r\n"
              "240504;1600;OK1ABC;6;57;0003;55;0007;;JO70FD;0;;;;D\r\n"
              "240505;0709;S51A/P;0;59;0004;59;0003;;JN76;250;;N;;\r\n"
              "[END;generated with <Loxar by Tarvik>]\r\n");
}

TEST(EdiReport, RemarkAndEmptyList) {
    const struct {
        const char* remark;
        const char* expected_tail;
    } cases[] = {
        {"", "[Remarks]\r\n[QSORecords;0]\r\n[END;generated with <Loxar by Tarvik>]\r\n"},
        {"   ", "[Remarks]\r\n[QSORecords;0]\r\n[END;generated with <Loxar by Tarvik>]\r\n"},
        {"line one\r\nline two\r\n", "[Remarks]\r\nline one\r\nline two\r\n[QSORecords;0]\r\n"},
        {"one\ntwo", "[Remarks]\r\none\r\ntwo\r\n[QSORecords;0]\r\n"},
        {"one\r\n\r\nthree\r\n\r\n", "[Remarks]\r\none\r\n\r\nthree\r\n[QSORecords;0]\r\n"},
    };
    for (const auto& c : cases) {
        Source s;
        s.sheet.tx_QSORecords = "0";
        s.sheet.tx_Remark = c.remark;
        const Text report = edi_report(s.src());
        const Text tail = c.expected_tail;
        EXPECT_NE(report.find("CODXC=;;\r\n" + tail), Text::npos) << c.remark << "\n" << report;
    }
}

TEST(EdiReport, RecordFieldsFromListColumns) {
    auto list = [](const char* call, const Text& rest) {
        return Text("240504;1432;") + pad_cut(call, 20) + rest;
    };
    const struct {
        Text list_line, record;
    } cases[] = {
        // An exchange standing in columns 54-59 is written trimmed.
        {list("DL1ABC", ";2;599;0005;579;0017;AB12  ;JO62QM;00456; ; ; ; "),
         "240504;1432;DL1ABC;2;599;0005;579;0017;AB12;JO62QM;456;;;;"},
        // Text only from the exchange's third column on gives no exchange.
        {list("DL2ABC", ";1;059;0006;059;AB  ;  X   ;JO62QM;00000; ; ; ;D"),
         "240504;1432;DL2ABC;1;59;0006;59;AB  ;;JO62QM;0;;;;D"},
        // Reports that are not numbers give 0.
        {list("DL3ABC", ";0;5NN;0007;abc;0001;      ;JO62  ;00010;N;N;N; "),
         "240504;1432;DL3ABC;0;0;0007;0;0001;;JO62;10;N;N;N;"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.list_line.size(), 80u);
        Source s;
        s.sheet.tx_QSORecords = "1";
        s.list = {c.list_line};
        EXPECT_NE(edi_report(s.src()).find("[QSORecords;1]\r\n" + c.record +
                                           "\r\n[END;generated with <Loxar by Tarvik>]\r\n"),
                  Text::npos)
            << c.record;
    }
}

// SSB, CW, FM and EL are in the whole report above; a mode without a code gives 0.
TEST(EdiListLine, ModeWithoutACodeGivesZero) {
    for (const auto& [mode, code] : {std::pair{"RTT", '7'}, std::pair{"...", '0'}}) {
        const Text line = edi_list_line(testing::general("HA1AA", 1, "145 MHz", "11:29", mode), {});
        ASSERT_EQ(line.size(), 80u);
        EXPECT_EQ(line[33], code) << mode;
    }
}

}  // namespace
}  // namespace loxar
