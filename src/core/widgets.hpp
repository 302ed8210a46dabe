// Window-free models of the list and selector controls that procedures read and change.
#pragma once

#include <vector>

#include "text/text.hpp"

namespace loxar {

// A selector: its items and the chosen index (-1 when none).
struct Combo {
    std::vector<Text> items;
    int list_index = -1;

    Text text() const;
    void set(int index);  // out-of-range indexes leave no selection
    int size() const { return static_cast<int>(items.size()); }
};

// A list with multi-selection, as the log list is.
class ListBox {
public:
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const Text& at(std::size_t i) const { return items_[i]; }
    const std::vector<Text>& items() const { return items_; }

    void add(Text line);
    void set(std::size_t i, Text line);
    void remove(std::size_t i);
    void clear();

    bool selected(std::size_t i) const { return i < selected_.size() && selected_[i] != 0; }
    void select(std::size_t i, bool on);
    void select_only(std::size_t i);
    // First selected index from the top; -1 when nothing is selected.
    long first_selected() const;

    long list_index = -1;  // the current (focused) row

private:
    std::vector<Text> items_;
    std::vector<char> selected_;
};

}  // namespace loxar
