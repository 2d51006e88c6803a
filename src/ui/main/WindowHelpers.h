#pragma once

#include "shell/EditorModes.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QMdiArea;
class QDialog;

namespace vorn {

class UserMessages;

inline const QString kWindowExistsText =
    QStringLiteral("Wymagane okno nie może być ponownie utworzone!");
inline const QString kWindowCreateFailedText = QStringLiteral("Błąd przy tworzeniu okna!");

// The shared ways of opening a window. Each kind of window has one reference (a QPointer,
// cleared by Qt when the window goes), so a second request finds the window that is open.
class WindowHelpers
{
public:
    WindowHelpers(QMdiArea& area, UserMessages& messages) : m_area(area), m_messages(messages) {}

    // Creates the window into the reference when there is none and answers true. An open
    // child window is restored and brought to the front, another window is refused; both
    // answer false, as does a creation that throws.
    bool OpenOnce(QPointer<QWidget>& reference, const std::function<QWidget*()>& create);

    // Shows the dialog modally without a minimize button, runs afterRefresh when it closes,
    // releases it and clears the reference; the dialog's result.
    int ShowModal(QPointer<QWidget>& reference, const std::function<void()>& afterRefresh = {});

    // Makes the window a child of the frame, sized to its client area, and shows it.
    void ShowChild(QWidget* window);

    // A record editor prepares its record for the mode before it is shown.
    enum class Prepared
    {
        Ready,
        NotFound,   // the record the list was on is gone
        HeldByOther // another user edits it
    };
    struct RecordEditor
    {
        std::function<Prepared(EditorMode)> prepare;
        // OK: the lists re-read and stand on the saved record; otherwise back where they were.
        std::function<void(bool accepted)> finish;
    };
    // "Rekord jest edytowany przez innego użytkownika!..." when the record is held; the
    // editor is shown only when prepared, with the mode's caption suffix. The dialog's result.
    int ShowRecordEditor(QPointer<QWidget>& reference, const RecordEditor& editor, EditorMode mode,
                         bool mixedCase);

    // Child windows fill the client area of the frame.
    void FitChildren();

private:
    QMdiArea& m_area;
    UserMessages& m_messages;
};

} // namespace vorn
