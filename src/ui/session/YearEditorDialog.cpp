#include "ui/session/YearEditorDialog.h"

#include "common/Dates.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "shell/FiscalYears.h"
#include "ui/DialogButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

namespace {

QLineEdit* dateEdit(const QString& name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setInputMask(QStringLiteral("99-99-9999;_"));
    return edit;
}

} // namespace

TfrmEditRok::TfrmEditRok(FiscalYearService& years, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_years(years), m_messages(messages)
{
    setObjectName(QStringLiteral("frmEditRok"));
    setWindowTitle(QStringLiteral("ZAŁÓŻ ROK"));
    edtRok = new QLineEdit;
    edtRok->setObjectName(QStringLiteral("edtRok"));
    edtRok->setValidator(new QIntValidator(1, 9999, edtRok));
    edtPoczatek = dateEdit(QStringLiteral("edtPoczatek"));
    edtKoniec = dateEdit(QStringLiteral("edtKoniec"));
    lblPoczatek = new QLabel(QStringLiteral("Początek roku:"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Rok obrachunkowy:"), edtRok);
    form->addRow(lblPoczatek, edtPoczatek);
    form->addRow(QStringLiteral("Koniec roku:"), edtKoniec);

    const DialogButtons buttons = MakeDialogButtons(this);
    connect(buttons.confirm, &QPushButton::clicked, this, &TfrmEditRok::confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);

    const NewYearProposal proposal = m_years.ProposeNewYear();
    edtRok->setText(proposal.input.rok ? QString::number(*proposal.input.rok) : QString());
    edtPoczatek->setText(FormatDate(proposal.input.start));
    edtKoniec->setText(FormatDate(proposal.input.end));
    edtPoczatek->setEnabled(proposal.startEditable);
    lblPoczatek->setEnabled(proposal.startEditable);
}

void TfrmEditRok::confirm()
{
    NewYearInput input;
    bool ok = false;
    const int rok = edtRok->text().trimmed().toInt(&ok);
    if (ok)
        input.rok = rok;
    input.start = ParseDate(edtPoczatek->text());
    input.end = ParseDate(edtKoniec->text());
    try {
        const auto refusal = m_years.CreateYear(input);
        if (!refusal) {
            accept();
            return;
        }
        if (refusal->error)
            m_messages.error(refusal->message);
        else
            m_messages.information(refusal->message);
        QLineEdit* field = refusal->field == YearField::Rok     ? edtRok
                           : refusal->field == YearField::Start ? edtPoczatek
                                                                : edtKoniec;
        field->setFocus();
    } catch (const VornError& e) {
        m_messages.error(e);
    }
}

} // namespace vorn
