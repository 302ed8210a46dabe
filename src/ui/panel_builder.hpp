// Small helpers that create named controls, so every panel is built the same way.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <utility>

namespace loxar::ui {

QLineEdit* line_edit(QWidget* parent, const char* name, int width_chars, const QString& tooltip = {});
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tooltip = {});
// A button as narrow as its caption, for one-letter and arrow buttons beside fields.
QPushButton* small_button(QWidget* parent, const char* name, const QString& caption,
                          const QString& tooltip = {});
QComboBox* combo(QWidget* parent, const char* name, const QString& tooltip = {});
QCheckBox* check(QWidget* parent, const char* name, const QString& caption);
QLabel* label(QWidget* parent, const char* name, const QString& caption);
QGroupBox* frame(QWidget* parent, const char* name, const QString& title);
// A list in the fixed-width font that log lines need.
QListView* mono_list(QWidget* parent, const char* name);
QFont mono_font();
// A multi-line text in the fixed-width font, without line wrapping.
QPlainTextEdit* text_box(QWidget* parent, const char* name, bool read_only);
// A named page of a tab widget with its grid, spaced tightly as the calling panel's pages are.
std::pair<QWidget*, QGridLayout*> tab_page(QWidget* parent, const char* name);

}  // namespace loxar::ui
