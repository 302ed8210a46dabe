// Selector and list models.
#include "model/widgets.hpp"

#include <algorithm>
#include <atomic>

namespace loxar {

namespace {

// The one sequence of list change counters: each change draws a value no list has had.
std::uint64_t next_version() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

Text Combo::text() const {
    if (list_index < 0 || list_index >= size()) return {};
    return items[static_cast<std::size_t>(list_index)];
}

void Combo::set(int index) {
    list_index = (index >= 0 && index < size()) ? index : -1;
}

int Combo::find(std::string_view item) const {
    for (int i = 0; i < size(); ++i) {
        if (trim(items[static_cast<std::size_t>(i)]) == item) return i;
    }
    return -1;
}

ListBox::ListBox() {
    changed(Change::Rows);
}

ListBox::ListBox(const ListBox& other)
    : list_index(other.list_index), items_(other.items_), selected_(other.selected_) {
    changed(Change::Rows);
}

ListBox::ListBox(ListBox&& other) noexcept
    : list_index(other.list_index), items_(std::move(other.items_)), selected_(std::move(other.selected_)) {
    changed(Change::Rows);
    other.items_.clear();
    other.selected_.clear();
    other.changed(Change::Rows);
}

ListBox& ListBox::operator=(const ListBox& other) {
    if (this == &other) return *this;
    list_index = other.list_index;
    items_ = other.items_;
    selected_ = other.selected_;
    changed(Change::Rows);
    return *this;
}

ListBox& ListBox::operator=(ListBox&& other) noexcept {
    if (this == &other) return *this;
    list_index = other.list_index;
    items_ = std::move(other.items_);
    selected_ = std::move(other.selected_);
    changed(Change::Rows);
    other.items_.clear();
    other.selected_.clear();
    other.changed(Change::Rows);
    return *this;
}

void ListBox::changed(Change c) {
    version_ = next_version();
    if (c == Change::Added) return;
    rewrite_version_ = version_;
    if (c == Change::Rows) rows_version_ = version_;
}

void ListBox::add(Text line) {
    items_.push_back(std::move(line));
    selected_.push_back(0);
    changed(Change::Added);
}

void ListBox::set(std::size_t i, Text line) {
    if (i >= items_.size()) return;
    items_[i] = std::move(line);
    changed(Change::Rewritten);
}

void ListBox::remove(std::size_t i) {
    if (i >= items_.size()) return;
    items_.erase(items_.begin() + static_cast<long>(i));
    selected_.erase(selected_.begin() + static_cast<long>(i));
    if (list_index >= static_cast<long>(items_.size())) list_index = static_cast<long>(items_.size()) - 1;
    changed(Change::Rows);
}

void ListBox::clear() {
    if (items_.empty() && list_index == -1) return;
    items_.clear();
    selected_.clear();
    list_index = -1;
    changed(Change::Rows);
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
