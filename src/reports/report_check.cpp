// Recognising a report's format and the helpers the three checks share.
#include "reports/report_check.hpp"

#include <algorithm>

#include "reports/check_support.hpp"

namespace loxar {

namespace check {

namespace {
constexpr std::size_t kMaxFindings = 500;
}

std::vector<NumberedLine> split_lines(std::string_view text) {
    std::vector<NumberedLine> out;
    long number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') continue;
        out.push_back({number++, text.substr(start, i - start)});
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) out.push_back({number, text.substr(start)});
    return out;
}

void Findings::add(long line, Text message) {
    if (list_.size() < kMaxFindings) {
        list_.push_back({line, std::move(message)});
    } else {
        ++dropped_;
    }
}

std::vector<Finding> Findings::take() {
    std::stable_sort(list_.begin(), list_.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    if (dropped_ > 0) {
        list_.push_back({0, hu(u8"további ") + std::to_string(dropped_) + hu(u8" hiba nincs kiírva")});
        dropped_ = 0;
    }
    return std::move(list_);
}

bool valid_yyyymmdd(std::string_view s) {
    if (s.size() != 8 || !all_digits(s)) return false;
    const long long y = int_value(s.substr(0, 4));
    const long long m = int_value(s.substr(4, 2));
    const long long d = int_value(s.substr(6, 2));
    if (y < 1900 || m < 1 || m > 12 || d < 1) return false;
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (m == 2 && !leap) return d <= 28;
    return d <= days[m - 1];
}

bool valid_hhmm(std::string_view s, bool seconds_allowed) {
    if (!all_digits(s) || (s.size() != 4 && !(seconds_allowed && s.size() == 6))) return false;
    if (int_value(s.substr(0, 2)) > 23 || int_value(s.substr(2, 2)) > 59) return false;
    return s.size() == 4 || int_value(s.substr(4, 2)) <= 59;
}

bool looks_like_callsign(std::string_view s) {
    if (s.size() < 3 || s.size() > 20) return false;
    bool letter = false, digit = false;
    for (char c : s) {
        const char u = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        if (u >= 'A' && u <= 'Z') {
            letter = true;
        } else if (is_digit(u)) {
            digit = true;
        } else if (u != '/') {
            return false;
        }
    }
    return letter && digit;
}

bool maidenhead6(std::string_view s) {
    if (s.size() != 6) return false;
    const Text u = upper(s);
    auto in = [](char c, char lo, char hi) { return c >= lo && c <= hi; };
    return in(u[0], 'A', 'R') && in(u[1], 'A', 'R') && is_digit(u[2]) && is_digit(u[3]) &&
           in(u[4], 'A', 'X') && in(u[5], 'A', 'X');
}

Text upper(std::string_view s) {
    Text out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return out;
}

std::optional<long long> whole_number(std::string_view s) {
    if (s.empty() || s.size() > 18 || !all_digits(s)) return std::nullopt;
    return int_value(s);
}

Text quoted(std::string_view s) {
    return "\"" + Text(s.substr(0, 20)) + (s.size() > 20 ? "...\"" : "\"");
}

}  // namespace check

namespace {

// The lines that are neither blank nor a comment, upper-cased, after a UTF-8 mark.
std::vector<Text> content_lines(std::string_view text, std::size_t wanted) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Text> out;
    for (const check::NumberedLine& l : check::split_lines(text.substr(0, 64 * 1024))) {
        if (out.size() == wanted) break;
        const Text t = trim(l.text);
        if (!t.empty() && t.front() != '#') out.push_back(check::upper(t));
    }
    return out;
}

// A Cabrillo log is known by its first line, or, when that is lost, by the tags of its header.
bool cabrillo_lines(const std::vector<Text>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const Text& l) {
        return l.starts_with("START-OF-LOG:") || l.starts_with("CALLSIGN:") || l.starts_with("QSO:");
    });
}

}  // namespace

ReportKind detect_report(std::string_view text) {
    const std::vector<Text> lines = content_lines(text, 50);
    const Text first = lines.empty() ? Text{} : lines.front();
    if (first.starts_with("[REG1TEST")) return ReportKind::Edi;
    if (cabrillo_lines(lines)) return ReportKind::Cabrillo;
    // ADIF: a header of free text ended by <EOH>, or records from the first character on.
    const Text head = check::upper(text.substr(0, 64 * 1024));
    if (head.find("<EOH>") != Text::npos || head.find("<EOR>") != Text::npos) return ReportKind::Adif;
    if (!first.empty() && first.front() == '<' && first.find(':') != Text::npos) return ReportKind::Adif;
    return ReportKind::Unknown;
}

std::vector<Finding> check_report(std::string_view text, const CheckContext& context) {
    switch (detect_report(text)) {
        case ReportKind::Edi: return check_edi(text, context);
        case ReportKind::Cabrillo: return check_cabrillo(text, context);
        case ReportKind::Adif: return check_adif(text);
        case ReportKind::Unknown: break;
    }
    return {{1, hu(u8"nem EDI, Cabrillo vagy ADIF jegyzőkönyv")}};
}

Text finding_text(const Finding& f) {
    return std::to_string(f.line) + ": " + f.message;
}

}  // namespace loxar
