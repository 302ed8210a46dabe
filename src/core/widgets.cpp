// Selector and list models.
#include "core/widgets.hpp"

namespace loxar {

Text Combo::text() const {
    if (list_index < 0 || list_index >= size()) return {};
    return items[static_cast<std::size_t>(list_index)];
}

void Combo::set(int index) { list_index = (index >= 0 && index < size()) ? index : -1; }

void ListBox::add(Text line) {
    items_.push_back(std::move(line));
    selected_.push_back(0);
}

void ListBox::set(std::size_t i, Text line) {
    if (i < items_.size()) items_[i] = std::move(line);
}

void ListBox::remove(std::size_t i) {
    if (i >= items_.size()) return;
    items_.erase(items_.begin() + static_cast<long>(i));
    selected_.erase(selected_.begin() + static_cast<long>(i));
    if (list_index >= static_cast<long>(items_.size())) list_index = static_cast<long>(items_.size()) - 1;
}

void ListBox::clear() {
    items_.clear();
    selected_.clear();
    list_index = -1;
}

void ListBox::select(std::size_t i, bool on) {
    if (i < selected_.size()) selected_[i] = on ? 1 : 0;
}

void ListBox::select_only(std::size_t i) {
    std::fill(selected_.begin(), selected_.end(), 0);
    select(i, true);
    if (i < items_.size()) list_index = static_cast<long>(i);
}

long ListBox::first_selected() const {
    for (std::size_t i = 0; i < selected_.size(); ++i) {
        if (selected_[i]) return static_cast<long>(i);
    }
    return -1;
}

}  // namespace loxar
