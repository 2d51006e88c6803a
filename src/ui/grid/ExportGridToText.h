#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace vorn {

class TDBGridSel;
class UserMessages;

// The grid as a text file: the titles of the shown columns, then one line per record with
// the cells as the grid shows them, each followed by a tab, lines ended by CR LF, in the
// single-byte Polish code page.
QByteArray GridAsText(const TDBGridSel& grid);

// Asks for the file name; given the proposal, gives the chosen name or an empty one when
// the user cancels. The desktop program asks with the save dialog.
using ExportFileChooser = std::function<QString(const QString& proposed)>;
ExportFileChooser SaveDialogChooser(QWidget* parent);

// Writes the grid to the file the user chooses and tells "Eksport do zbioru "%s"
// zakończony.". False when the user cancels or the file cannot be written (that is told
// as an error, never as a finished export).
bool ExportGridToText(TDBGridSel& grid, const QString& proposedFileName, UserMessages& messages,
                      const ExportFileChooser& chooser);

} // namespace vorn
