// Selector items of the QSO record.
#include "model/qso_record.hpp"

namespace loxar {

const std::vector<Text>& mode_items() {
    static const std::vector<Text> items = {"...", "SSB", "CW", "FM", "RTT", "SST", "ATV", "EL", "DIG"};
    return items;
}

const std::vector<Text>& sex_items() {
    static const std::vector<Text> items = {".....", hu(u8"Nő"), hu(u8"Férfi")};
    return items;
}

QsoRecord empty_qso_record() {
    QsoRecord r;
    r.kapott_sex_combo.items = sex_items();
    r.sex_combo.items = sex_items();
    r.mod_combo.items = mode_items();
    r.kapott_sex_combo.set(0);
    r.sex_combo.set(0);
    r.mod_combo.set(0);
    return r;
}

}  // namespace loxar
