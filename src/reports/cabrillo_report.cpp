// The Cabrillo report: header, SOAPBOX lines, one QSO line per log line and "END-OF-LOG:".
#include "reports/cabrillo_report.hpp"

#include "model/log_fields.hpp"
#include "reports/cabrillo_headers.hpp"
#include "reports/cabrillo_qso_lines.hpp"

namespace loxar {

namespace {

constexpr std::size_t kSoapboxCut = 40;

// A line break inside a SOAPBOX line would end the Cabrillo line: each becomes one blank.
Text breaks_as_blanks(const Text& piece) {
    Text out;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c == '\r' || c == '\n') {
            out += ' ';
            if (c == '\r' && i + 1 < piece.size() && piece[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

Text soapbox_lines(const Text& remark) {
    Text out;
    for (const Text& piece : soapbox_pieces(remark)) out += "SOAPBOX: " + piece + kCrLf;
    return out;
}

enum class QsoKind { None, Common, CqwwVhf, Qrp, Hskc, Skmc, Nmark, Swl };

// The header (SOAPBOX lines follow unless told otherwise) and the kind of QSO line.
struct Variant {
    Text header;
    QsoKind qso = QsoKind::None;
    bool soapbox = true;
};

Variant variant_of(int format, const ReportSource& src) {
    switch (format) {
        case kFormatHaDx: return {hadx_header(src, "HA-DX"), QsoKind::Common, false};
        case kFormatExchange: return {hadx_header(src, "EXCHANGE"), QsoKind::Common, false};
        case kFormatCqwwVhf: return {cqww_header(src), QsoKind::CqwwVhf};
        case kFormatHaQrp: return {qrp_header(src, "HA-QRP"), QsoKind::Qrp};
        case kFormatDx: return {qrp_header(src, "DX"), QsoKind::Qrp};
        case kFormatRhOb: return {rhob_header(src), QsoKind::Common};
        case kFormatRdxcAll:
        case kFormatRdxcTwo: return {standard_header(src, {"RDXC"}), QsoKind::Common};
        case kFormatHskc: return {standard_header(src, {"HSKC"}), QsoKind::Hskc};
        case kFormatSkmc: return {standard_header(src, {"SKMC"}), QsoKind::Skmc};
        case kFormatNmark:
            return {standard_header(src, {.contest = "NMARK QSO Party", .contest_first = true}),
                    QsoKind::Nmark};
        case kFormatRef: {
            const Text contest = "REF-" + trim(src.mode_text);
            return {standard_header(src, {.contest = contest, .location = true}), QsoKind::Common};
        }
        case kFormatSwl:
            return {standard_header(src, {.contest = src.sheet.tx_TName, .power = false, .location = true}),
                    QsoKind::Swl};
        default: return {};
    }
}

Text qso_lines(QsoKind kind, const ReportSource& src) {
    // The common QSO line writes a kHz band column as its number; the others repeat instead.
    FrequencyField freq(kind == QsoKind::Common);
    const Text& own = src.own_call;
    Text out;
    for (const Text& l : kind == QsoKind::CqwwVhf ? src.qso_lista : src.log_lines) {
        switch (kind) {
            case QsoKind::Common: out += common_qso_line(l, own, freq); break;
            case QsoKind::CqwwVhf: out += cqww_qso_line(l); break;
            case QsoKind::Qrp: out += qrp_qso_line(l, own, freq); break;
            case QsoKind::Hskc: out += hskc_qso_line(l, own); break;
            case QsoKind::Skmc: out += skmc_qso_line(l, own, freq); break;
            case QsoKind::Nmark: out += nmark_qso_line(l, own); break;
            case QsoKind::Swl: out += swl_qso_line(l, freq); break;
            case QsoKind::None: break;
        }
        out += kCrLf;
    }
    return out;
}

}  // namespace

std::vector<Text> soapbox_pieces(const Text& remark) {
    if (trim(remark).empty()) return {};
    // Cut before a blank once a piece holds 40 characters; there is no limit to the number of
    // pieces, so nothing the operator typed is lost.
    std::vector<Text> cut(1);
    for (char c : remark) {
        if (c == ' ' && cut.back().size() >= kSoapboxCut) cut.emplace_back();
        cut.back() += c;
    }
    std::vector<Text> pieces;
    for (const Text& piece : cut) {
        Text line = trim(breaks_as_blanks(piece));
        if (line.empty()) break;
        pieces.push_back(std::move(line));
    }
    return pieces;
}

Text cqww_list_line(const Text& l, const Text& own_call, const Text& own_locator) {
    auto g = [&l](Field f) { return field(l, LineLayout::General, f); };
    const Text time = g(Field::Time);
    // The callsign's first 12 columns and the locator's first 4 are what the list keeps.
    return pad_cut(trim(g(Field::Band)), 7) + ";" + pad_cut(trim(g(Field::Mode)), 3) + ";" +
           pad_cut(g(Field::Date), 10) + ";" + pad_cut(col(time, 1, 2) + col(time, 4, 2), 4) + ";" +
           pad_cut(trim(own_call), 14) + ";" + pad_cut(own_locator, 4) + ";" +
           pad_cut(trim(col(g(Field::Call), 1, 12)), 14) + ";" +
           pad_cut(col(g(Field::ReceivedLocator), 1, 4), 4) + ";" + pad_cut(g(Field::Points), 5);
}

Text cabrillo_report(int format, const ReportSource& src) {
    const Variant v = variant_of(format, src);
    if (v.qso == QsoKind::None) return {};
    Text out = v.header;
    if (v.soapbox) out += soapbox_lines(src.sheet.megjegyzes_text);
    return out + qso_lines(v.qso, src) + "END-OF-LOG:" + kCrLf;
}

}  // namespace loxar
