#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace vorn {

// The confirm and cancel buttons along the bottom of a dialog, right-aligned. They are
// named "btnOK" and "btnAnuluj", the names the dialog keys look for; cancel rejects the
// dialog, confirm is the default button and is connected by the caller.
struct DialogButtons
{
    QPushButton* confirm;
    QPushButton* cancel;
    QHBoxLayout* row;
};

DialogButtons MakeDialogButtons(QDialog* dialog,
                                const QString& confirmText = QStringLiteral("&Zatwierdź"),
                                const QString& cancelText = QStringLiteral("&Anuluj"));

} // namespace vorn
