// The yes/no confirmation dialog (igen_nem): a question answered "Igen" or "Nem".
#pragma once

#include <QDialog>
#include <QString>

#include "session/session.hpp"

class QLabel;
class QPushButton;

namespace loxar {

// The question text for the dialog variables; empty when there is no question.
QString igen_nem_question(const DialogVars& d);

// Modal question. Nem is the default button and has the focus, so a stray Enter never
// confirms; I / N (and Alt+I / Alt+N) answer directly, Esc answers no.
class YesNoDialog : public QDialog {
    Q_OBJECT
public:
    YesNoDialog(QWidget* parent, DialogVars& d);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void igen();
    void nem();

    DialogVars& d_;
    QLabel* kerdezo_label_;
    QPushButton* igen_cmd_;
    QPushButton* nem_cmd_;
};

// Clears dialog_answer, asks the question and leaves "OK" in dialog_answer on yes.
void run_igen_nem(QWidget* parent, DialogVars& d, const QString& program_dir);

}  // namespace loxar
