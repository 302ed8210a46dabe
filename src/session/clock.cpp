// UTC clock, blink, change lamp and the date check.
#include "session/clock.hpp"

#include <cstdio>
#include <cstdlib>

#include "session/questions.hpp"

namespace loxar {

namespace {

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int days_in_month(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

Text two(int n) {
    return zero_pad(n, 2);
}

Text format_date(int y, int m, int d) {
    return zero_pad(y, 4) + "-" + two(m) + "-" + two(d);
}

}  // namespace

Text format_date_time(const LocalDateTime& t) {
    return format_date(t.year, t.month, t.day) + "/" + two(t.hour) + ":" + two(t.minute) + ":" +
           two(t.second);
}

Text utc_log_time(const LocalDateTime& local, int offset_index) {
    LocalDateTime t = local;
    int hour = t.hour - offset_index;
    if (hour >= 0) {
        t.hour = hour;
    } else {
        t.hour = hour + 24;
        if (--t.day < 1) {
            if (--t.month < 1) {
                t.month = 12;
                --t.year;
            }
            t.day = days_in_month(t.year, t.month);
        }
    }
    return format_date_time(t);
}

bool is_date(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    if (!all_digits(s.substr(0, 4)) || !all_digits(s.substr(5, 2)) || !all_digits(s.substr(8, 2))) {
        return false;
    }
    int y = std::stoi(Text(s.substr(0, 4)));
    int m = std::stoi(Text(s.substr(5, 2)));
    int d = std::stoi(Text(s.substr(8, 2)));
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= days_in_month(y, m);
}

bool is_time(std::string_view s) {
    if (s.size() != 8 || s[2] != ':' || s[5] != ':') return false;
    const std::string_view hh = s.substr(0, 2), mm = s.substr(3, 2), ss = s.substr(6, 2);
    if (!all_digits(hh) || !all_digits(mm) || !all_digits(ss)) return false;
    return std::stoi(Text(hh)) <= 23 && std::stoi(Text(mm)) <= 59 && std::stoi(Text(ss)) <= 59;
}

std::optional<int> utc_offset_item(int utc_offset_minutes) {
    if (utc_offset_minutes % 60 != 0 || utc_offset_minutes < 0 || utc_offset_minutes > 4 * 60)
        return std::nullopt;
    return utc_offset_minutes / 60;
}

namespace {

// "helyi idő -2 óra": the local time moved back by `minutes` (forward when negative).
Text local_shifted(int minutes) {
    if (minutes == 0) return hu(u8"helyi idő");
    const int m = std::abs(minutes);
    Text shift = std::to_string(m / 60);
    if (m % 60 != 0) shift += ":" + zero_pad(m % 60, 2);
    return hu(u8"helyi idő ") + (minutes > 0 ? "-" : "+") + shift + hu(u8" óra");
}

}  // namespace

Text log_time_note(const Session& s) {
    if (!s.real_time_check) return hu(u8"LOG idő: kézi");
    const int chosen = 60 * std::max(0, s.ido_eltolas_combo.list_index);
    if (!s.ports.clock) return hu(u8"LOG idő: ") + local_shifted(chosen);
    const int system = s.ports.clock->utc_offset_minutes();
    if (system == chosen) return hu(u8"LOG idő: UTC = ") + local_shifted(chosen);
    return hu(u8"LOG idő: ") + local_shifted(chosen) + hu(u8", de a gép szerint UTC = ") +
           local_shifted(system) + "!";
}

void Timer1_Timer(Session& s, const LocalDateTime& now) {
    if (s.call_countdown > 0) --s.call_countdown;
    s.pontos_ido = format_date_time(now);
    s.view[Control::log_hivas_keret].visible = s.qso.mod_combo.list_index != 0;

    s.blink_phase = static_cast<short>((s.blink_phase + 1) % 4);
    if (s.edit_mode) {
        if (s.blink_phase == 1 || s.blink_phase == 3) s.view[Control::edit_sorszam_text].back = Color::Red;
        if (s.blink_phase == 2) s.view[Control::edit_sorszam_text].back = Color::Default;
    }

    s.view[Control::ido_eltolas_combo].visible = s.real_time_check;
    s.view[Control::ido_eltolas_label].visible = s.real_time_check;
    if (s.real_time_check) {
        s.qso.log_ido = utc_log_time(now, std::max(0, s.ido_eltolas_combo.list_index));
    }
    s.view[Control::valtozas_jelzo].back = s.log_changed ? Color::Red : Color::Green;
    s.ui().refresh(Aspect::Clock);
}

bool datum_ellenorzes(Session& s) {
    const Text& t = s.qso.log_ido;
    if (!is_date(col(t, 1, 10))) {
        alert(s, hu(u8"Hibás a dátum'"));
        return false;
    }
    if (!is_time(col(t, 12, 8))) {
        alert(s, hu(u8"Hibás az idő'"));
        return false;
    }
    return true;
}

}  // namespace loxar
