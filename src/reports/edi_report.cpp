// The EDI (REG1TEST) report: the QSO list lines and the report text built from the sheet.
#include "reports/edi_report.hpp"

#include <string_view>
#include <vector>

#include "reports/data_sheet.hpp"
#include "reports/result_fields.hpp"

namespace loxar {
namespace {

constexpr int kQsoRecordsLabel = 10;

// One claim line: the tag of its first field's label and the fields joined by ";".
struct ClaimLine {
    int label_index;
    std::vector<Text DataSheet::*> fields;
};

const std::vector<ClaimLine>& claim_lines() {
    using D = DataSheet;
    static const std::vector<ClaimLine> lines = {
        {0, {&D::tx_CQSOs, &D::tx_CQSOMul}},
        {1, {&D::tx_CQSOP}},
        {2, {&D::tx_CWWLs, &D::tx_CWWLBo, &D::tx_CWWLMul}},
        {3, {&D::tx_CWWLB}},
        {4, {&D::tx_CExcs, &D::tx_CExcsBo, &D::tx_CExcsMul}},
        {5, {&D::tx_CExcB}},
        {6, {&D::tx_CDXCs, &D::tx_CDXCBo, &D::tx_CDXCMul}},
        {7, {&D::tx_CDXCB}},
        {8, {&D::tx_CToSc}},
        {9, {&D::tx_CODXC, &D::tx_CODXWWL, &D::tx_CODXDis}},
    };
    return lines;
}

// Header lines taking one sheet field each, by the sheet's tag label; the dates and the
// antenna heights are two fields on one line and are written apart.
struct HeaderLine {
    int label_index;
    Text DataSheet::*field;
    bool trimmed;
};

const std::vector<HeaderLine>& header_lines() {
    using D = DataSheet;
    static const std::vector<HeaderLine> lines = {
        {2, &D::tx_PCall, true},   {3, &D::tx_PWWLo, true},   {4, &D::tx_PExch, true},
        {5, &D::tx_PAdr1, false},  {6, &D::tx_PAdr2, false},  {7, &D::tx_PSect, true},
        {8, &D::tx_PBand, true},   {9, &D::tx_PClub, false},  {10, &D::tx_RName, false},
        {11, &D::tx_RCall, false}, {12, &D::tx_RAdr1, false}, {13, &D::tx_RAdr2, false},
        {14, &D::tx_RPoCo, false}, {15, &D::tx_RCity, false}, {16, &D::tx_RCoun, false},
        {17, &D::tx_RPhon, false}, {18, &D::tx_RHBBS, false}, {19, &D::tx_MOpe1, false},
        {20, &D::tx_MOpe2, false}, {21, &D::tx_STXEq, false}, {22, &D::tx_SPowe, false},
        {23, &D::tx_SRXEq, false}, {24, &D::tx_SAnte, false},
    };
    return lines;
}

char mode_code(const Text& mode) {
    static const struct {
        std::string_view mode;
        char code;
    } codes[] = {{"SSB", '1'}, {"CW", '2'},  {"AM", '5'}, {"FM", '6'},
                 {"RTT", '7'}, {"SST", '8'}, {"ATV", '9'}};
    for (const auto& c : codes) {
        if (mode == c.mode) return c.code;
    }
    return '0';
}

// Log columns copied into the list line, always at their full width.
Text cut(const Text& line, std::size_t from, std::size_t len) {
    return pad_cut(col(line, from, len), len);
}

Text flag(bool on, char mark) {
    return Text(1, on ? mark : ' ');
}

// "2004-05-01" -> "20040501".
Text edi_date(const Text& date) {
    return col(date, 1, 4) + col(date, 6, 2) + col(date, 9, 2);
}

// Report, points: the number without leading zeros; anything else is 0.
Text plain_number(const Text& field) {
    return std::to_string(int_value(field));
}

// The remark's own lines, each ended by CR LF; blank lines at its end are left out.
Text remark_lines(const Text& remark) {
    std::vector<Text> lines(1);
    for (std::size_t i = 0; i < remark.size(); ++i) {
        const char c = remark[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < remark.size() && remark[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    while (!lines.empty() && trim(lines.back()).empty()) lines.pop_back();
    Text out;
    for (const Text& l : lines) out += l + kCrLf;
    return out;
}

// One QSO record of the report from a list line.
Text qso_record(const Text& l) {
    const Text exchange = trim(col(l, 54, 2)).empty() ? Text{} : trim(col(l, 54, 6));
    return col(l, 1, 12) + trim(col(l, 13, 20)) + ";" + col(l, 34, 2) + plain_number(col(l, 36, 3)) + ";" +
           trim(col(l, 40, 4)) + ";" + plain_number(col(l, 45, 3)) + ";" + col(l, 49, 5) + exchange + ";" +
           trim(col(l, 61, 6)) + ";" + plain_number(col(l, 68, 5)) + ";" + trim(col(l, 74, 1)) + ";" +
           trim(col(l, 76, 1)) + ";" + trim(col(l, 78, 1)) + ";" + trim(col(l, 80, 1));
}

}  // namespace

Text edi_list_line(const Text& l, const EdiFlags& flags) {
    const Text fields[] = {
        cut(l, 3, 2) + cut(l, 6, 2) + cut(l, 9, 2),  // YYMMDD
        cut(l, 12, 2) + cut(l, 15, 2),               // HHMM
        cut(l, 21, 20),                              // worked callsign
        Text(1, mode_code(trim(col(l, 69, 3)))),
        cut(l, 60, 3),  // sent report
        cut(l, 64, 4),  // sent serial
        cut(l, 42, 3),  // received report
        cut(l, 46, 4),  // received serial or exchange
        cut(l, 38, 6),  // received exchange
        cut(l, 51, 6),  // received locator
        cut(l, 81, 5),  // points
        flag(flags.new_exchange, 'N'),
        flag(flags.new_square, 'N'),
        flag(flags.new_country, 'N'),
        flag(flags.duplicate, 'D'),
    };
    Text out;
    for (const Text& f : fields) {
        if (!out.empty()) out += ';';
        out += f;
    }
    return out;
}

Text edi_report(const ReportSource& src) {
    const DataSheet& d = src.sheet;
    Text out;
    auto line = [&out](const Text& t) { out += t + kCrLf; };
    auto tagged = [](int label_index) { return sheet_tag(label_index) + "="; };

    line("[REG1TEST;1]");
    line(tagged(0) + d.tx_TName);
    line(tagged(1) + edi_date(d.tx_TDate_1) + ";" + edi_date(d.tx_TDate_2));
    for (const HeaderLine& h : header_lines()) {
        line(tagged(h.label_index) + (h.trimmed ? trim(d.*h.field) : d.*h.field));
    }
    line(tagged(25) + d.tx_SAntH_ground + ";" + d.tx_SAntH_see);

    for (const ClaimLine& c : claim_lines()) {
        Text values;
        for (std::size_t i = 0; i < c.fields.size(); ++i) {
            if (i > 0) values += ';';
            values += d.*c.fields[i];
        }
        line(result_tag(c.label_index) + "=" + values);
    }

    line("[Remarks]");
    if (!trim(d.tx_Remark).empty()) out += remark_lines(d.tx_Remark);
    line("[" + result_tag(kQsoRecordsLabel) + ";" + d.tx_QSORecords + "]");
    for (const Text& l : src.qso_lista) line(qso_record(l));
    line("[END;generated with <Loxar by Tarvik>]");
    return out;
}

}  // namespace loxar
