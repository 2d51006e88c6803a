#pragma once

#include <QtCore/qnamespace.h>

namespace vorn {

// What kind of control has the focus in a data-entry dialog, as far as the dialog keys care.
enum class DialogControlKind
{
    Edit, // line edits, number fields, check boxes and whatever else moves on with Enter
    DateEdit,
    LookupCombo, // drop-down of values looked up in another table
    ComboBox,
    ColorCombo,
    Button,
    Navigator,
    Grid,
    LookupList,
    Memo,
    Tree,
    ListView,
    ListBox,
    CheckList
};

// The state of the focused control a key is decided on.
struct DialogKeySituation
{
    DialogControlKind kind = DialogControlKind::Edit;
    bool droppedDown = false;     // the list or the date field's calendar is down
    bool caretInFirstLine = true; // memo only
    bool caretInLastLine = true;  // memo only
    bool onConfirm = false;       // the focus is on the dialog's confirm button
    bool onCancel = false;        // the focus is on the dialog's cancel button
    bool hasRemembered = false;   // a control remembered by Ctrl+Enter or Esc still exists
};

enum class DialogKeyAction
{
    None, // the key is left to the control
    NextControl,
    PreviousControl,
    DropDown,
    RememberAndFocusConfirm,
    RememberAndFocusCancel,
    FocusRemembered,
    FocusOtherButton,
    FocusGrid
};

// The one keyboard policy of every data-entry dialog. Any action but None consumes the key.
// Enter, Up and Down act only with no Shift, Ctrl or Alt held, Ctrl+Enter with Ctrl alone;
// Esc and F12 act whatever is held.
DialogKeyAction DecideDialogKey(int key, Qt::KeyboardModifiers modifiers,
                                const DialogKeySituation& situation);

} // namespace vorn
