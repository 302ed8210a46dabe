// Log list model.
#include "ui/log_list_model.hpp"

#include "ui/qt_text.hpp"

namespace loxar {

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return qs(list_.at(static_cast<std::size_t>(index.row())));
}

void LogListModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace loxar
