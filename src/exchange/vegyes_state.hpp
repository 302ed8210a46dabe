// The multi-purpose panel (import, export, band change) and the log rebuilt from a backup.
#pragma once

#include <array>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

struct VegyesState {
    std::array<ListBox, 2> vegyes_lista;
    short vegyes_valaszto = 0;  // which of the two lists is shown
    Combo vegyes_combo;
    Text vegyes_label;
    ListBox backup_lista;  // the log rebuilt from the current band's backup file
};

}  // namespace loxar
