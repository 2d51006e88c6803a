#pragma once

#include "shell/LoginInterfaces.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vorn {

class UserMessages;

// "IDENTYFIKACJA UŻYTKOWNIKA": the identifier in upper case and the masked password, at
// most 8 characters each, both emptied whenever the dialog is shown.
class TfrmLogin : public QDialog, public LoginPrompt
{
    Q_OBJECT
public:
    static constexpr int kMaxLength = 8;

    explicit TfrmLogin(UserMessages& messages, QWidget* parent = nullptr);

    bool ask(QString* identifier, QString* password) override;

    // Prepares the dialog as shown (fields emptied, focus on the identifier).
    void prepare();
    // "&Zatwierdź": an empty identifier is refused and the dialog stays open.
    void confirm();
    QLineEdit* identifierEdit() const { return edtIdentyfikator; }
    QLineEdit* passwordEdit() const { return edtHaslo; }

private:
    UserMessages& m_messages;
    QLineEdit* edtIdentyfikator;
    QLineEdit* edtHaslo;
    QPushButton* btnZatwierdz;
    QPushButton* btnAnuluj;
};

} // namespace vorn
