// Placeholder definitions; replaced by the band change.
#include "core/band_change.hpp"

namespace loxar {

void freki_up_cmd_Click(Session&) {}
void freki_down_cmd_Click(Session&) {}
std::filesystem::path band_work_path(const Session&) { return {}; }
void savvaltas_cmd_Click(Session&) {}
void savvaltas_valtas_Click(Session&) {}
void savvaltas_kesz_Click(Session&) {}

}  // namespace loxar
