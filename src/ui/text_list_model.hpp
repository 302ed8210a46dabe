// A list model over lines the session owns: no copy per row, so 99 999 log lines or a
// 50 000-station database stay quick.
#pragma once

#include <QAbstractListModel>
#include <functional>

#include "text/text.hpp"

namespace loxar {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Count = std::function<std::size_t()>;
    using Row = std::function<const Text&(std::size_t)>;
    TextListModel(Count count, Row row, QObject* parent = nullptr)
        : QAbstractListModel(parent), count_(std::move(count)), row_(std::move(row)) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The lines changed in number or content: reset the view.
    void reload();

private:
    Count count_;
    Row row_;
};

}  // namespace loxar
