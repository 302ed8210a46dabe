// The log list as a model over the session's lines: no copy per row, 99 999 rows stay quick.
#pragma once

#include <QAbstractListModel>

#include "core/widgets.hpp"

namespace loxar {

class LogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LogListModel(const ListBox& list, QObject* parent = nullptr)
        : QAbstractListModel(parent), list_(list) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines changed in number or content: reset the view.
    void reload();

private:
    const ListBox& list_;
};

}  // namespace loxar
