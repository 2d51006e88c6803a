#include "ui/grid/DialogKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeView>

namespace vorn {

namespace {

QWidget* namedButton(const QWidget* dialog, const QString& name)
{
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons)
        if (b->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return b;
    return nullptr;
}

bool takesFocus(const QWidget* dialog, const QWidget* w)
{
    return w && w != dialog && dialog->isAncestorOf(w) && w->isEnabled() &&
           w->isVisibleTo(dialog) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

QWidget* neighbour(QWidget* dialog, QWidget* from, bool forward)
{
    QWidget* w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return nullptr;
        if (takesFocus(dialog, w))
            return w;
    }
    return nullptr;
}

bool moveFocus(QWidget* dialog, QWidget* focused, bool forward)
{
    if (auto* combo = qobject_cast<QComboBox*>(focused))
        combo->hidePopup();
    QWidget* target = neighbour(dialog, focused, forward);
    if (!target)
        return false;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QWidget* lastGrid(const QWidget* dialog)
{
    QWidget* found = nullptr;
    const auto grids = dialog->findChildren<QTableView*>();
    for (QTableView* g : grids)
        if (takesFocus(dialog, g))
            found = g;
    return found;
}

} // namespace

DialogControlKind ClassifyDialogControl(const QWidget* w)
{
    using K = DialogControlKind;
    if (qobject_cast<const QAbstractButton*>(w))
        return K::Button;
    if (qobject_cast<const QDateTimeEdit*>(w))
        return K::DateEdit;
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->property("lookup").toBool() ? K::LookupCombo : K::ComboBox;
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
        return K::Memo;
    if (qobject_cast<const QTreeView*>(w))
        return K::Tree;
    if (qobject_cast<const QTableView*>(w))
        return K::Grid;
    if (const auto* list = qobject_cast<const QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->flags() & Qt::ItemIsUserCheckable)
                return K::CheckList;
        return K::ListBox;
    }
    if (qobject_cast<const QListView*>(w))
        return K::ListBox;
    if (qobject_cast<const QAbstractItemView*>(w))
        return K::ListView;
    return K::Edit;
}

DialogKeySituation DialogSituation(const QWidget* dialog, const QWidget* focused,
                                   const QWidget* remembered)
{
    DialogKeySituation s;
    s.kind = ClassifyDialogControl(focused);
    if (const auto* combo = qobject_cast<const QComboBox*>(focused))
        s.droppedDown = combo->view() && combo->view()->isVisible();
    if (const auto* date = qobject_cast<const QDateTimeEdit*>(focused))
        s.droppedDown =
            date->calendarPopup() && date->calendarWidget() && date->calendarWidget()->isVisible();
    const auto caretLines = [&](const QTextDocument* doc, const QTextCursor& cursor) {
        s.caretInFirstLine = cursor.blockNumber() == 0;
        s.caretInLastLine = cursor.blockNumber() == doc->blockCount() - 1;
    };
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(focused))
        caretLines(memo->document(), memo->textCursor());
    if (const auto* memo = qobject_cast<const QTextEdit*>(focused))
        caretLines(memo->document(), memo->textCursor());
    s.onConfirm = focused && focused == namedButton(dialog, QStringLiteral("btnOK"));
    s.onCancel = focused && focused == namedButton(dialog, QStringLiteral("btnAnuluj"));
    s.hasRemembered = remembered && takesFocus(dialog, remembered);
    return s;
}

bool DialogKeyDown(QWidget* dialog, QKeyEvent* event, QPointer<QWidget>& remembered)
{
    QWidget* focused = QApplication::focusWidget();
    if (!dialog || !event || !focused || !dialog->isAncestorOf(focused))
        return false;
    QWidget* confirm = namedButton(dialog, QStringLiteral("btnOK"));
    QWidget* cancel = namedButton(dialog, QStringLiteral("btnAnuluj"));
    const DialogKeySituation s = DialogSituation(dialog, focused, remembered);
    const auto focusOn = [](QWidget* target) {
        if (!target)
            return false;
        target->setFocus(Qt::OtherFocusReason);
        return true;
    };
    switch (DecideDialogKey(event->key(), event->modifiers(), s)) {
    case DialogKeyAction::None:
        return false;
    case DialogKeyAction::NextControl:
        return moveFocus(dialog, focused, true);
    case DialogKeyAction::PreviousControl:
        return moveFocus(dialog, focused, false);
    case DialogKeyAction::DropDown:
        if (auto* combo = qobject_cast<QComboBox*>(focused)) {
            combo->showPopup();
            return true;
        }
        return false;
    case DialogKeyAction::RememberAndFocusConfirm:
        if (!confirm)
            return false;
        remembered = focused;
        return focusOn(confirm);
    case DialogKeyAction::RememberAndFocusCancel:
        if (!cancel)
            return false;
        remembered = focused;
        return focusOn(cancel);
    case DialogKeyAction::FocusRemembered:
        return focusOn(remembered);
    case DialogKeyAction::FocusOtherButton:
        return focusOn(s.onConfirm ? cancel : confirm);
    case DialogKeyAction::FocusGrid:
        return focusOn(lastGrid(dialog));
    }
    return false;
}

DialogKeys::DialogKeys(QWidget* dialog) : QObject(dialog), m_dialog(dialog)
{
    qApp->installEventFilter(this);
}

DialogKeys* DialogKeys::install(QWidget* dialog)
{
    return new DialogKeys(dialog);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_dialog || widget != QApplication::focusWidget())
        return false;
    return DialogKeyDown(m_dialog, static_cast<QKeyEvent*>(event), m_remembered);
}

} // namespace vorn
