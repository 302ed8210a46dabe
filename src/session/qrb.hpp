// Distance, points and bearing of the QSO being entered, and the locator check of the entry.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Trims `locator` in place; true when the contest type accepts it, false after beep and message.
[[nodiscard]] bool QRA_ellenorzes(Session& s, Text& locator);
// True with locator_coords written, false for a locator that does not convert.
[[nodiscard]] bool convertalas(Session& s, const Text& locator);
// Distance and bearing from own_coords towards partner_coords.
void transform(Session& s);
// Distance and bearing between the received locator field and the own locator field.
void qrb_szamolas(Session& s);
// Distance, points (distance × multiplier field) and bearing into their fields.
void qrb_eredmeny_kiiras(Session& s);
// Distance and points of the QSO being entered, by contest type.
void tavolsag_szamolo_rutin(Session& s);

void tavolsag_szamolo_cmd_Click(Session& s);
void iranyszog_cmd_Click(Session& s);
void iranyszog_text_GotFocus(Session& s);

// Points of a YL-OM QSO from the first letters of the own and the partner's sex.
int ylom_points(char own_sex, char partner_sex);

}  // namespace loxar
