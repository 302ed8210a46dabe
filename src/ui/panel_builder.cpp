// Named control factory.
#include "ui/panel_builder.hpp"

#include <QFontDatabase>
#include <QFontMetrics>

namespace loxar::ui {

QFont mono_font() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

QLineEdit* line_edit(QWidget* parent, const char* name, int width_chars, const QString& tooltip) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(mono_font());
    QFontMetrics fm(e->font());
    e->setMinimumWidth(fm.horizontalAdvance(QString(width_chars, 'W')) + 12);
    if (!tooltip.isEmpty()) e->setToolTip(tooltip);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tooltip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!tooltip.isEmpty()) b->setToolTip(tooltip);
    return b;
}

QPushButton* small_button(QWidget* parent, const char* name, const QString& caption, const QString& tooltip) {
    QPushButton* b = button(parent, name, caption, tooltip);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QString(caption).remove('&')) + 18);
    return b;
}

QComboBox* combo(QWidget* parent, const char* name, const QString& tooltip) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    if (!tooltip.isEmpty()) c->setToolTip(tooltip);
    return c;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}

QListView* mono_list(QWidget* parent, const char* name) {
    auto* l = new QListView(parent);
    l->setObjectName(name);
    l->setFont(mono_font());
    l->setUniformItemSizes(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return l;
}

QPlainTextEdit* text_box(QWidget* parent, const char* name, bool read_only) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setFont(mono_font());
    t->setReadOnly(read_only);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    return t;
}

std::pair<QWidget*, QGridLayout*> tab_page(QWidget* parent, const char* name) {
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(name));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    return {page, grid};
}

}  // namespace loxar::ui
