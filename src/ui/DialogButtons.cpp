#include "ui/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace vorn {

DialogButtons MakeDialogButtons(QDialog* dialog, const QString& confirmText,
                                const QString& cancelText)
{
    auto* confirm = new QPushButton(confirmText, dialog);
    confirm->setObjectName(QStringLiteral("btnOK"));
    confirm->setDefault(true);
    auto* cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QStringLiteral("btnAnuluj"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    return {confirm, cancel, row};
}

} // namespace vorn
