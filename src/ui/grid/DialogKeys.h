#pragma once

#include "common/DialogKeyRules.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

namespace vorn {

// The kind of a control for the dialog keys. A combo box with the dynamic property
// "lookup" set is a look-up drop-down.
DialogControlKind ClassifyDialogControl(const QWidget* control);
DialogKeySituation DialogSituation(const QWidget* dialog, const QWidget* focused,
                                   const QWidget* remembered);

// The keyboard handler of every data-entry dialog: Enter to the next field, Ctrl+Enter to
// the confirm button "btnOK", Esc to the cancel button "btnAnuluj" and back, Up and Down
// between fields, F12 to the dialog's grid. `remembered` is the dialog's slot for the
// control the focus left for a button. True when the key was consumed.
bool DialogKeyDown(QWidget* dialog, QKeyEvent* event, QPointer<QWidget>& remembered);

// Lets a dialog see its keys before its controls do and hands them to DialogKeyDown.
// Owned by the dialog.
class DialogKeys : public QObject
{
    Q_OBJECT

public:
    static DialogKeys* install(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DialogKeys(QWidget* dialog);
    QWidget* m_dialog;
    QPointer<QWidget> m_remembered;
};

} // namespace vorn
