// Window-free models of the list and selector controls that procedures read and change.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// A selector: its items and the chosen index (-1 when none).
struct Combo {
    std::vector<Text> items;
    int list_index = -1;

    Text text() const;
    void set(int index);  // out-of-range indexes leave no selection
    // The index of the item that reads `item` without its padding blanks; -1 when none does.
    int find(std::string_view item) const;
    int size() const { return static_cast<int>(items.size()); }
};

// A list with multi-selection, as the log list is.
//
// Its change counters let whoever keeps something derived from the lines (the window's list
// model, the duplicate index) catch up with only what changed: lines added at the end since
// are the only news while rewrite_version() stands; rewritten lines too while rows_version()
// stands. Every value comes from one sequence shared by all lists, and a new or copied list
// takes its own, so one value never stands for two lists' lines. Selection is no change.
class ListBox {
public:
    ListBox();
    ListBox(const ListBox& other);
    ListBox(ListBox&& other) noexcept;
    ListBox& operator=(const ListBox& other);
    ListBox& operator=(ListBox&& other) noexcept;
    ~ListBox() = default;

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

    std::uint64_t version() const { return version_; }                  // any change of the lines
    std::uint64_t rewrite_version() const { return rewrite_version_; }  // any but adding at the end
    std::uint64_t rows_version() const { return rows_version_; }        // rows removed or replaced

private:
    enum class Change { Added, Rewritten, Rows };
    void changed(Change c);

    std::vector<Text> items_;
    std::vector<char> selected_;
    std::uint64_t version_ = 0;
    std::uint64_t rewrite_version_ = 0;
    std::uint64_t rows_version_ = 0;
};

}  // namespace loxar
