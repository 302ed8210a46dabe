// The session side of locators: fields in, distance, points and bearing fields out.
#include "session/qrb.hpp"

#include "model/qso_line.hpp"
#include "session/contest_rules.hpp"
#include "session/questions.hpp"

namespace loxar {

namespace {

char first_letter(const Combo& c) {
    const Text t = c.text();
    return t.empty() ? '\0' : t[0];
}

void fields_changed(Session& s) {
    if (s.ports.ui) s.ui().refresh(Aspect::EntryFields);
}

}  // namespace

bool QRA_ellenorzes(Session& s, Text& locator) {
    locator = trim(locator);
    if (!locator_checked(s.contest()) || locator_format_ok(locator)) return true;
    alert(s, hu(u8"Hibás QRA formátum!"));
    return false;
}

bool convertalas(Session& s, const Text& locator) {
    auto coords = locator_to_coords(locator);
    if (!coords) return false;
    s.qrb.locator_coords = *coords;
    return true;
}

void transform(Session& s) {
    const Qrb r = qrb_transform(s.qrb.partner_coords, s.qrb.own_coords);
    s.qrb.qrb_distance = r.distance;
    s.qrb.qrb_bearing = r.bearing;
}

void qrb_szamolas(Session& s) {
    const Text& received = s.qso.kapott_QRA_text;
    const Text& own = s.station.QRA_text;
    s.qrb.qrb_distance = 0;
    s.qrb.qrb_bearing = kNoBearing;
    if (received.size() != 6 || received == kNoLocator) return;
    if (received == own) {
        s.qrb.qrb_distance = kOwnSquareDistance;
        s.qrb.qrb_bearing = 0;
        return;
    }
    if (!convertalas(s, received)) return;
    s.qrb.partner_coords = s.qrb.locator_coords;
    if (!convertalas(s, own)) return;
    s.qrb.own_coords = s.qrb.locator_coords;
    transform(s);
}

void qrb_eredmeny_kiiras(Session& s) {
    // The rule reader always writes digits here; anything else scores nothing rather than failing.
    const int multiplier = to_short(s.szorzo_text).value_or(0);
    s.qso.tavolsag_text = distance_field(s.qrb.qrb_distance);
    s.qso.pontszam_text = points_field(multiplier, s.qrb.qrb_distance);
    s.iranyszog_text = bearing_field(s.qrb.qrb_bearing);
}

int ylom_points(char own_sex, char partner_sex) {
    if (own_sex == 'F' && partner_sex == 'F') return 1;
    const bool known = (own_sex == 'F' || own_sex == 'N') && (partner_sex == 'F' || partner_sex == 'N');
    return known ? 5 : 0;
}

void tavolsag_szamolo_rutin(Session& s) {
    switch (s.contest()) {
        case ContestType::YlOm: {
            const int points =
                s.qso.kapott_sex_combo.list_index == 0
                    ? 0
                    : ylom_points(first_letter(s.qso.sex_combo), first_letter(s.qso.kapott_sex_combo));
            s.qso.tavolsag_text = zero_pad(points, 5);
            s.qso.pontszam_text = zero_pad(points, 5);
            s.iranyszog_text = "???";
            break;
        }
        case ContestType::Exchange: special_szabaly_szamolas(s); break;
        case ContestType::Hadx:
        case ContestType::RudxAll:
        case ContestType::RudxTwo: break;
        case ContestType::CqwwVhf: {
            const Text name = band_name(s.current_band_index);
            const char* points = name.starts_with("50 MHz ")   ? "1"
                                 : name.starts_with("145 MHz") ? "2"
                                                               : nullptr;
            if (points) {
                s.qso.tavolsag_text = points;
                s.qso.pontszam_text = points;
            }
            break;
        }
        default:
            qrb_szamolas(s);
            qrb_eredmeny_kiiras(s);
            break;
    }
}

void tavolsag_szamolo_cmd_Click(Session& s) {
    tavolsag_szamolo_rutin(s);
    fields_changed(s);
}

void iranyszog_cmd_Click(Session& s) {
    tavolsag_szamolo_rutin(s);
    fields_changed(s);
}

void iranyszog_text_GotFocus(Session& s) {
    qrb_szamolas(s);
    qrb_eredmeny_kiiras(s);
    fields_changed(s);
}

}  // namespace loxar
