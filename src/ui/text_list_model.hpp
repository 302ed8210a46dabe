// A list model over lines the session owns: no copy per row, so 99 999 log lines or a
// 50 000-station database stay quick.
#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <functional>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Count = std::function<std::size_t()>;
    using Row = std::function<const Text&(std::size_t)>;
    using List = std::function<const ListBox&()>;
    // Lines of any store; the view learns of changes only through reload().
    TextListModel(Count count, Row row, QObject* parent = nullptr)
        : QAbstractListModel(parent), count_(std::move(count)), row_(std::move(row)) {}
    // The lines of a list box; sync() tells the view what changed since it last looked.
    explicit TextListModel(List list, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines changed in number or content: reset the view.
    void reload();
    // Brings the view up to the list box by its change counters: lines added at the end become
    // inserted rows and rewritten lines are repainted; only a list whose rows were removed or
    // replaced resets the view, and an unchanged one costs nothing.
    void sync();

private:
    // What the view was last told of the list.
    void remember_shown(const ListBox& l);
    Count count_;
    Row row_;
    List list_;
    // What the view was last told of a list box: its row count and counters.
    std::size_t shown_rows_ = 0;
    std::uint64_t shown_version_ = 0;
    std::uint64_t shown_rewrite_ = 0;
    std::uint64_t shown_rows_version_ = 0;
};

}  // namespace loxar
