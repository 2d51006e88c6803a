#include "ui/session/LoginDialog.h"

#include "common/Messages.h"
#include "ui/DialogButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

TfrmLogin::TfrmLogin(UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("IDENTYFIKACJA UŻYTKOWNIKA"));
    auto* module = new QLabel(QStringLiteral("Ewidencja i Amortyzacja Środków Trwałych"));
    QFont bold = module->font();
    bold.setBold(true);
    module->setFont(bold);

    edtIdentyfikator = new QLineEdit;
    edtIdentyfikator->setObjectName(QStringLiteral("edtIdentyfikator"));
    edtIdentyfikator->setMaxLength(kMaxLength);
    connect(edtIdentyfikator, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = edtIdentyfikator->cursorPosition();
        edtIdentyfikator->setText(text.toUpper());
        edtIdentyfikator->setCursorPosition(cursor);
    });
    edtHaslo = new QLineEdit;
    edtHaslo->setObjectName(QStringLiteral("edtHaslo"));
    edtHaslo->setMaxLength(kMaxLength);
    edtHaslo->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Identyfikator:"), edtIdentyfikator);
    form->addRow(QStringLiteral("Hasło:"), edtHaslo);

    const DialogButtons buttons = MakeDialogButtons(this);
    btnZatwierdz = buttons.confirm;
    btnAnuluj = buttons.cancel;
    connect(btnZatwierdz, &QPushButton::clicked, this, &TfrmLogin::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(module);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

void TfrmLogin::prepare()
{
    edtIdentyfikator->clear();
    edtHaslo->clear();
    edtIdentyfikator->setFocus();
}

void TfrmLogin::confirm()
{
    if (edtIdentyfikator->text().trimmed().isEmpty()) {
        m_messages.information(QStringLiteral("Należy podać identyfikator użytkownika."));
        edtIdentyfikator->setFocus();
        return;
    }
    accept();
}

bool TfrmLogin::ask(QString* identifier, QString* password)
{
    prepare();
    if (exec() != QDialog::Accepted)
        return false;
    *identifier = edtIdentyfikator->text();
    *password = edtHaslo->text();
    return true;
}

} // namespace vorn
