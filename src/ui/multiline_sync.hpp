// A multi-line text widget kept in step with its session text (CR LF there, LF in the widget).
#pragma once

#include <QPlainTextEdit>

#include "text/text.hpp"
#include "ui/qt_text.hpp"

namespace loxar::ui {

// Keeps one multi-line widget and its session text in step without echoing either way.
class MultiLineSync {
public:
    MultiLineSync(QPlainTextEdit* edit, Text* field) : edit_(edit), field_(field) {
        if (!edit_) return;
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
            if (showing_) return;
            *field_ = multiline_for_session(edit_->toPlainText());
            shown_ = *field_;
        });
    }
    void show() {
        if (!edit_ || *field_ == shown_) return;
        showing_ = true;
        edit_->setPlainText(multiline_for_widget(*field_));
        showing_ = false;
        shown_ = *field_;
    }

private:
    QPlainTextEdit* edit_;
    Text* field_;
    Text shown_;
    bool showing_ = false;
};

}  // namespace loxar::ui
