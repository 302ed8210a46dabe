// Text list model.
#include "ui/text_list_model.hpp"

#include "ui/qt_text.hpp"

namespace loxar {

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(count_());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return qs(row_(static_cast<std::size_t>(index.row())));
}

void TextListModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace loxar
