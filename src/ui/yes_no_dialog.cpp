// The yes/no confirmation dialog: question table, keyboard answers, result in dialog_answer.
#include "ui/yes_no_dialog.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/text.hpp"
#include "ui/qt_text.hpp"

namespace loxar {

QString igen_nem_question(const DialogVars& d) {
    switch (d.question_number) {
        case Question::None: return {};
        case Question::Overwrite: return QStringLiteral("File létezik, felülírjam?");
        case Question::FreeText: {
            // Callers build multi-line questions with CR LF; a label wants plain line feeds.
            QString text = qs(d.question_text);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            return text;
        }
    }
    return {};
}

YesNoDialog::YesNoDialog(QWidget* parent, DialogVars& d) : QDialog(parent), d_(d) {
    setWindowTitle(QStringLiteral("Loxar"));
    setModal(true);

    kerdezo_label_ = new QLabel(igen_nem_question(d_), this);
    kerdezo_label_->setObjectName(QStringLiteral("kerdezo_label"));
    kerdezo_label_->setAlignment(Qt::AlignCenter);
    kerdezo_label_->setWordWrap(true);
    kerdezo_label_->setMinimumWidth(260);

    igen_cmd_ = new QPushButton(QStringLiteral("&Igen"), this);
    igen_cmd_->setObjectName(QStringLiteral("igen_cmd"));
    nem_cmd_ = new QPushButton(QStringLiteral("&Nem"), this);
    nem_cmd_->setObjectName(QStringLiteral("nem_cmd"));
    // Enter during a contest is often a reflex; it must never confirm a deletion or overwrite.
    nem_cmd_->setDefault(true);
    nem_cmd_->setFocus();

    connect(igen_cmd_, &QPushButton::clicked, this, &YesNoDialog::igen);
    connect(nem_cmd_, &QPushButton::clicked, this, &YesNoDialog::nem);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(igen_cmd_);
    buttons->addWidget(nem_cmd_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kerdezo_label_);
    layout->addLayout(buttons);
}

void YesNoDialog::keyPressEvent(QKeyEvent* event) {
    // The operator's hands stay on the keyboard: I answers yes, N answers no.
    const auto mods = event->modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier);
    if (mods == Qt::NoModifier) {
        if (event->key() == Qt::Key_I) {
            igen();
            return;
        }
        if (event->key() == Qt::Key_N) {
            nem();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void YesNoDialog::igen() {
    d_.dialog_answer = "OK";
    accept();
}

void YesNoDialog::nem() {
    d_.dialog_answer.clear();
    reject();
}

void run_igen_nem(QWidget* parent, DialogVars& d, const QString& /*program_dir*/) {
    d.dialog_answer.clear();
    YesNoDialog dialog(parent, d);
    // Let the caller's pending repaints happen before the window blocks on the question.
    QCoreApplication::processEvents();
    QApplication::beep();
    dialog.exec();
}

}  // namespace loxar
