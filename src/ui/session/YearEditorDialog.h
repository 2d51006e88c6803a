#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorn {

class FiscalYearService;
class UserMessages;

// "ZAŁÓŻ ROK": a new fiscal year, proposed from the last one. A refused year keeps the
// dialog open with the user's input and the focus on the field at fault.
class TfrmEditRok : public QDialog
{
    Q_OBJECT
public:
    TfrmEditRok(FiscalYearService& years, UserMessages& messages, QWidget* parent = nullptr);

    void confirm();
    QLineEdit* yearEdit() const { return edtRok; }
    QLineEdit* startEdit() const { return edtPoczatek; }
    QLineEdit* endEdit() const { return edtKoniec; }

private:
    FiscalYearService& m_years;
    UserMessages& m_messages;
    QLineEdit* edtRok;
    QLineEdit* edtPoczatek;
    QLineEdit* edtKoniec;
    QLabel* lblPoczatek;
};

} // namespace vorn
