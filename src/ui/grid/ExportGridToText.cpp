#include "ui/grid/ExportGridToText.h"

#include "common/Messages.h"
#include "common/TextExport.h"
#include "ui/grid/TDBGridSel.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

namespace vorn {

QByteArray GridAsText(const TDBGridSel& grid)
{
    QStringList titles;
    QList<QStringList> rows;
    const QAbstractItemModel* model = grid.model();
    if (!model)
        return TabSeparatedText(titles, rows);
    const QList<int> columns = grid.visibleColumns();
    for (int c : columns)
        titles.append(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList line;
        for (int c : columns)
            line.append(grid.cellText(model->index(r, c)));
        rows.append(line);
    }
    return TabSeparatedText(titles, rows);
}

ExportFileChooser SaveDialogChooser(QWidget* parent)
{
    return [parent](const QString& proposed) {
        QFileDialog dialog(parent, QStringLiteral("Eksport do zbioru tekstowego"), proposed,
                           QStringLiteral("Zbiory tekstowe (*.TXT);;Wszystkie zbiory (*.*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("TXT"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

bool ExportGridToText(TDBGridSel& grid, const QString& proposedFileName, UserMessages& messages,
                      const ExportFileChooser& chooser)
{
    const QString file = chooser ? chooser(proposedFileName) : QString();
    if (file.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray text = GridAsText(grid);
    QSaveFile out(file);
    const bool written =
        out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit();
    QApplication::restoreOverrideCursor();
    const QString shown = QDir::toNativeSeparators(file);
    if (!written) {
        messages.error(QStringLiteral("Błąd zapisu do zbioru \"%1\".").arg(shown));
        return false;
    }
    messages.information(QStringLiteral("Eksport do zbioru \"%1\" zakończony.").arg(shown));
    return true;
}

} // namespace vorn
