// The "Hívójel lista" frame of the small-tools panel and the "Összesítő" panel: their controls,
// kept in step with the session's panel states, and their keys, clicks and lists.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "session/session.hpp"

class QComboBox;
class QLineEdit;
class QListView;
class QWidget;

namespace loxar {

class TextListModel;

namespace ui {
// The "Hívójel lista" frame (hivojel_lista_keret) with its fields, buttons and list.
QWidget* build_hivojel_lista_frame(QWidget* parent);
}  // namespace ui

class DatabasePanels : public QObject {
    Q_OBJECT
public:
    // `window` holds both panels' controls; `refresh_window` refreshes what their actions change.
    DatabasePanels(QWidget* window, Session& s, std::function<void()> refresh_window);
    // Brings the controls up to the session.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* edit;
        Text* value;
        std::size_t width;  // the record's column; 0: no limit
    };
    void bind_field(QLineEdit* e, Text* value, Control control);
    void bind_list(QListView* view, TextListModel*& model, ListBox& list);
    static void show_list(QListView* view, TextListModel* model, const ListBox& list);

    QWidget* window_;
    Session& s_;
    std::function<void()> refresh_window_;
    std::vector<Field> fields_;
    QComboBox* nmark_ = nullptr;
    QListView* qra_view_ = nullptr;
    QListView* summary_view_ = nullptr;
    TextListModel* qra_model_ = nullptr;
    TextListModel* summary_model_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace loxar
