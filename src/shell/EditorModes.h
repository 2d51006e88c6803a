#pragma once

#include <QString>

namespace vorn {

// How a record editor is opened; the mode is also the editor window's tag.
enum class EditorMode
{
    Edit = 0,
    New = 1,
    View = 2
};

// " - [EDYCJA]", " - [WPROWADZANIE]", " - [PRZEGLĄD]", or in mixed case.
inline QString EditorCaptionSuffix(EditorMode mode, bool mixedCase)
{
    switch (mode) {
    case EditorMode::Edit:
        return mixedCase ? QStringLiteral(" - [Edycja]") : QStringLiteral(" - [EDYCJA]");
    case EditorMode::New:
        return mixedCase ? QStringLiteral(" - [Wprowadzanie]")
                         : QStringLiteral(" - [WPROWADZANIE]");
    case EditorMode::View:
        return mixedCase ? QStringLiteral(" - [Przegląd]") : QStringLiteral(" - [PRZEGLĄD]");
    }
    return {};
}

inline const QString kRecordHeldText =
    QStringLiteral("Rekord jest edytowany przez innego użytkownika!\n\rSpróbuj ponownie później.");

} // namespace vorn
