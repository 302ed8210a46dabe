// The names and kinds of the control table.
#include "model/controls.hpp"

#include <algorithm>
#include <array>

namespace loxar {

namespace {

struct ControlRow {
    std::string_view name;
    ControlKind kind;
};

constexpr std::array<ControlRow, kControlCount> kRows = {{
#define LOXAR_CONTROL_ROW(name, kind) {#name, ControlKind::kind},
    LOXAR_CONTROLS(LOXAR_CONTROL_ROW)
#undef LOXAR_CONTROL_ROW
}};

}  // namespace

std::string_view control_name(Control c) {
    return kRows[index_of(c)].name;
}

ControlKind control_kind(Control c) {
    return kRows[index_of(c)].kind;
}

std::optional<Control> find_control(std::string_view name) {
    const auto at =
        std::find_if(kRows.begin(), kRows.end(), [name](const ControlRow& r) { return r.name == name; });
    if (at == kRows.end()) return std::nullopt;
    return static_cast<Control>(at - kRows.begin());
}

}  // namespace loxar
