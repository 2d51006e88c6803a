#include "common/DialogKeyRules.h"

namespace vorn {

namespace {

using Kind = DialogControlKind;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

DialogKeyAction enterAction(const DialogKeySituation& s)
{
    switch (s.kind) {
    case Kind::DateEdit:
        return s.droppedDown ? DialogKeyAction::None : DialogKeyAction::NextControl;
    case Kind::LookupCombo:
    case Kind::ComboBox:
    case Kind::ColorCombo:
        return s.droppedDown ? DialogKeyAction::NextControl : DialogKeyAction::DropDown;
    case Kind::Button:
    case Kind::Navigator:
    case Kind::Grid:
    case Kind::LookupList:
    case Kind::Memo:
    case Kind::Tree:
    case Kind::ListView:
    case Kind::ListBox:
    case Kind::CheckList:
        return DialogKeyAction::None;
    case Kind::Edit:
        break;
    }
    return DialogKeyAction::NextControl;
}

// Up and Down leave lists, grids and open drop-downs to the control; a memo gives the key
// away only from its first line (Up) or last line (Down).
bool arrowMovesFocus(const DialogKeySituation& s, bool up)
{
    switch (s.kind) {
    case Kind::ListBox:
    case Kind::CheckList:
    case Kind::Grid:
    case Kind::Tree:
    case Kind::ListView:
    case Kind::LookupList:
        return false;
    case Kind::ColorCombo:
    case Kind::DateEdit:
    case Kind::LookupCombo:
    case Kind::ComboBox:
        return !s.droppedDown;
    case Kind::Memo:
        return up ? s.caretInFirstLine : s.caretInLastLine;
    case Kind::Edit:
    case Kind::Button:
    case Kind::Navigator:
        break;
    }
    return true;
}

} // namespace

DialogKeyAction DecideDialogKey(int key, Qt::KeyboardModifiers modifiers,
                                const DialogKeySituation& s)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Escape) {
        if (!s.onConfirm && !s.onCancel)
            return DialogKeyAction::RememberAndFocusCancel;
        return s.hasRemembered ? DialogKeyAction::FocusRemembered
                               : DialogKeyAction::FocusOtherButton;
    }
    if (key == Qt::Key_F12)
        return DialogKeyAction::FocusGrid;
    if (isEnter(key) && held == Qt::ControlModifier)
        return s.onConfirm ? DialogKeyAction::None : DialogKeyAction::RememberAndFocusConfirm;
    if (held != Qt::NoModifier)
        return DialogKeyAction::None;
    if (isEnter(key))
        return enterAction(s);
    if (key == Qt::Key_Up)
        return arrowMovesFocus(s, true) ? DialogKeyAction::PreviousControl : DialogKeyAction::None;
    if (key == Qt::Key_Down)
        return arrowMovesFocus(s, false) ? DialogKeyAction::NextControl : DialogKeyAction::None;
    return DialogKeyAction::None;
}

} // namespace vorn
