// Text list model.
#include "ui/text_list_model.hpp"

#include "ui/qt_text.hpp"

namespace loxar {

TextListModel::TextListModel(List list, QObject* parent)
    : QAbstractListModel(parent),
      count_([list] { return list().size(); }),
      row_([list](std::size_t i) -> const Text& { return list().at(i); }),
      list_(std::move(list)) {
    remember_shown(list_());
}

void TextListModel::remember_shown(const ListBox& l) {
    shown_rows_ = l.size();
    shown_version_ = l.version();
    shown_rewrite_ = l.rewrite_version();
    shown_rows_version_ = l.rows_version();
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    // A list box's view has the rows it was told of; the list may be ahead until sync().
    return static_cast<int>(list_ ? shown_rows_ : count_());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= count_()) return {};
    return qs(row_(row));
}

void TextListModel::reload() {
    beginResetModel();
    if (list_) remember_shown(list_());
    endResetModel();
}

void TextListModel::sync() {
    if (!list_) {
        reload();
        return;
    }
    const ListBox& l = list_();
    if (l.version() == shown_version_) return;
    if (l.rows_version() != shown_rows_version_ || l.size() < shown_rows_) {
        reload();
        return;
    }
    if (l.rewrite_version() != shown_rewrite_ && shown_rows_ > 0) {
        emit dataChanged(index(0), index(static_cast<int>(shown_rows_) - 1), {Qt::DisplayRole});
    }
    if (l.size() > shown_rows_) {
        beginInsertRows({}, static_cast<int>(shown_rows_), static_cast<int>(l.size()) - 1);
        shown_rows_ = l.size();
        endInsertRows();
    }
    remember_shown(l);
}

}  // namespace loxar
