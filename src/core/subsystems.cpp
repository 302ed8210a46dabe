// Definitions of the subsystem procedures whose subsystems are not part of the program yet.
// A subsystem that is built removes its procedures from here and defines them in its own files.
#include "core/subsystems.hpp"

namespace loxar {

void adif_export(Session&) {}
void import_inditas(Session&) {}

}  // namespace loxar
