// Which session field each text control of the window shows and edits.
#pragma once

#include <functional>
#include <vector>

#include "model/entry_filter.hpp"
#include "session/session.hpp"

namespace loxar {

struct TextBinding {
    Control control;
    std::function<Text&(Session&)> field;
    bool read_only = false;
    FieldKind kind = {};  // what typing and pasting may put into it
};

struct ComboBinding {
    Control control;
    std::function<Combo&(Session&)> field;
};

struct CheckBinding {
    Control control;
    std::function<bool&(Session&)> field;
};

// A label whose text a procedure writes.
struct LabelBinding {
    Control control;
    std::function<const Text&(const Session&)> field;
};

// A list view over one of the session's lists.
struct ListBinding {
    Control control;
    std::function<ListBox&(Session&)> field;
};

const std::vector<TextBinding>& text_bindings();
// A bound field's text after an edit (typed, pasted, dropped or set) turned `before` into `text`,
// as the session takes it: the field's characters only, then cut to its width in the current
// contest type's layout; a full field takes no more.
FilteredText bound_text(const Session& s, const TextBinding& b, std::string_view before,
                        std::string_view text);
const std::vector<LabelBinding>& label_bindings();
const std::vector<ListBinding>& list_bindings();
const std::vector<ComboBinding>& combo_bindings();
const std::vector<CheckBinding>& check_bindings();

}  // namespace loxar
