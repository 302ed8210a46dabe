// The seventeen contest types of the contest-type selector and the log-line layout each uses.
#pragma once

#include <array>

#include "text/text.hpp"

namespace loxar {

// Index of `szabaly_combo`; the value is what every rule tests.
enum class ContestType : int {
    None = 0,
    Iaru,
    YlOm,
    CqBp,
    Exchange,
    Hadx,
    CqwwVhf,
    HaQrp,
    RhOb,
    RudxAll,
    RudxTwo,
    Hskc,
    SilentKeyMem,
    Dx,
    Nmark,
    Ref,
    Swl,
};
inline constexpr int kContestTypeCount = 17;

// No type chosen ("...") builds general lines, as IARU does.
enum class LineLayout { General, Qrp, Skm, Nmark, Swl };

// "...", "IARU", ... "SWL-Általános" (cp1250).
const std::array<Text, kContestTypeCount>& contest_type_names();
ContestType contest_type_from_index(int index);  // outside 0..16 gives None
LineLayout layout_of(ContestType t);
// Column that holds "=" in a line of this layout (the restore's check).
std::size_t layout_check_column(LineLayout l);
// Heading of `log_label` over the log list for the layout.
Text log_heading(LineLayout l);

// The general layout writes the distance as a number for these, as a 5-character marker otherwise.
bool distance_is_numeric(ContestType t);

}  // namespace loxar
