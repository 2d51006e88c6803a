#include "common/DialogKeyRules.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

using K = DialogControlKind;
using A = DialogKeyAction;

DialogKeySituation in(K kind)
{
    DialogKeySituation s;
    s.kind = kind;
    return s;
}

DialogKeySituation down(K kind)
{
    DialogKeySituation s = in(kind);
    s.droppedDown = true;
    return s;
}

DialogKeySituation memo(bool first, bool last)
{
    DialogKeySituation s = in(K::Memo);
    s.caretInFirstLine = first;
    s.caretInLastLine = last;
    return s;
}

DialogKeySituation onButton(bool confirm, bool remembered)
{
    DialogKeySituation s = in(K::Button);
    s.onConfirm = confirm;
    s.onCancel = !confirm;
    s.hasRemembered = remembered;
    return s;
}

struct KeyCase
{
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    DialogKeySituation situation;
    DialogKeyAction action;
};

TEST(DecideDialogKey, KeyTable)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const KeyCase cases[] = {
        {"Enter in an edit", Qt::Key_Return, none, in(K::Edit), A::NextControl},
        {"keypad Enter in an edit", Qt::Key_Enter, Qt::KeypadModifier, in(K::Edit), A::NextControl},
        {"Enter in a date field", Qt::Key_Return, none, in(K::DateEdit), A::NextControl},
        {"Enter in a date field with its calendar down", Qt::Key_Return, none, down(K::DateEdit),
         A::None},
        {"first Enter in a lookup drop-down", Qt::Key_Return, none, in(K::LookupCombo),
         A::DropDown},
        {"next Enter in a lookup drop-down", Qt::Key_Return, none, down(K::LookupCombo),
         A::NextControl},
        {"Enter in a closed drop-down list", Qt::Key_Return, none, in(K::ComboBox), A::DropDown},
        {"Enter in an open drop-down list", Qt::Key_Return, none, down(K::ComboBox),
         A::NextControl},
        {"Enter on a button", Qt::Key_Return, none, in(K::Button), A::None},
        {"Enter on a navigator", Qt::Key_Return, none, in(K::Navigator), A::None},
        {"Enter in a grid", Qt::Key_Return, none, in(K::Grid), A::None},
        {"Enter in a lookup list", Qt::Key_Return, none, in(K::LookupList), A::None},
        {"Enter in a memo", Qt::Key_Return, none, memo(true, true), A::None},
        {"Enter in a tree", Qt::Key_Return, none, in(K::Tree), A::None},
        {"Enter in a list view", Qt::Key_Return, none, in(K::ListView), A::None},
        {"Shift+Enter", Qt::Key_Return, shift, in(K::Edit), A::None},
        {"Alt+Enter", Qt::Key_Return, alt, in(K::Edit), A::None},
        {"Ctrl+Shift+Enter", Qt::Key_Return, ctrl | shift, in(K::Edit), A::None},

        {"Ctrl+Enter in an edit", Qt::Key_Return, ctrl, in(K::Edit), A::RememberAndFocusConfirm},
        {"Ctrl+Enter in a grid", Qt::Key_Return, ctrl, in(K::Grid), A::RememberAndFocusConfirm},
        {"Ctrl+Enter on the cancel button", Qt::Key_Return, ctrl, onButton(false, true),
         A::RememberAndFocusConfirm},
        {"Ctrl+Enter on the confirm button", Qt::Key_Return, ctrl, onButton(true, true), A::None},

        {"Esc in an edit", Qt::Key_Escape, none, in(K::Edit), A::RememberAndFocusCancel},
        {"Shift+Esc in an edit", Qt::Key_Escape, shift, in(K::Edit), A::RememberAndFocusCancel},
        {"Esc on cancel with a remembered field", Qt::Key_Escape, none, onButton(false, true),
         A::FocusRemembered},
        {"Esc on confirm with a remembered field", Qt::Key_Escape, none, onButton(true, true),
         A::FocusRemembered},
        {"Esc on cancel with nothing remembered", Qt::Key_Escape, none, onButton(false, false),
         A::FocusOtherButton},
        {"Esc on confirm with nothing remembered", Qt::Key_Escape, none, onButton(true, false),
         A::FocusOtherButton},

        {"Up in an edit", Qt::Key_Up, none, in(K::Edit), A::PreviousControl},
        {"Down in an edit", Qt::Key_Down, none, in(K::Edit), A::NextControl},
        {"Down on a button", Qt::Key_Down, none, in(K::Button), A::NextControl},
        {"Ctrl+Down in an edit", Qt::Key_Down, ctrl, in(K::Edit), A::None},
        {"Up in a list box", Qt::Key_Up, none, in(K::ListBox), A::None},
        {"Down in a check list", Qt::Key_Down, none, in(K::CheckList), A::None},
        {"Up in a grid", Qt::Key_Up, none, in(K::Grid), A::None},
        {"Down in a tree", Qt::Key_Down, none, in(K::Tree), A::None},
        {"Up in a list view", Qt::Key_Up, none, in(K::ListView), A::None},
        {"Down in a lookup list", Qt::Key_Down, none, in(K::LookupList), A::None},
        {"Down in an open colour list", Qt::Key_Down, none, down(K::ColorCombo), A::None},
        {"Down in a closed colour list", Qt::Key_Down, none, in(K::ColorCombo), A::NextControl},
        {"Up in a date field with its calendar down", Qt::Key_Up, none, down(K::DateEdit), A::None},
        {"Up in a date field", Qt::Key_Up, none, in(K::DateEdit), A::PreviousControl},
        {"Down in a closed drop-down list", Qt::Key_Down, none, in(K::ComboBox), A::NextControl},
        {"Down in an open drop-down list", Qt::Key_Down, none, down(K::ComboBox), A::None},
        {"Up in a memo's first line", Qt::Key_Up, none, memo(true, false), A::PreviousControl},
        {"Up in a memo's later line", Qt::Key_Up, none, memo(false, true), A::None},
        {"Down in a memo's last line", Qt::Key_Down, none, memo(false, true), A::NextControl},
        {"Down in a memo's earlier line", Qt::Key_Down, none, memo(true, false), A::None},

        {"F12 in an edit", Qt::Key_F12, none, in(K::Edit), A::FocusGrid},
        {"Ctrl+F12 on a button", Qt::Key_F12, ctrl, in(K::Button), A::FocusGrid},
        {"a letter", Qt::Key_A, none, in(K::Edit), A::None},
        {"Tab", Qt::Key_Tab, none, in(K::Edit), A::None},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(DecideDialogKey(c.key, c.modifiers, c.situation), c.action) << c.name;
}

} // namespace
