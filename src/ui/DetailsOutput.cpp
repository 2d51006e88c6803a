#include "ui/DetailsOutput.h"

#include "common/Messages.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vorn {

bool WriteTextLines(const QString& fileName, const QStringList& lines, QString* error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    for (const QString& line : lines) {
        if (file.write(line.toUtf8() + "\r\n") < 0) {
            *error = file.errorString();
            return false;
        }
    }
    return true;
}

void PrinterAndFileOutput::print(QWidget* parent, const QStringList& lines, const QFont& font)
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QMessageBox::critical(parent, kCaptionError,
                              QStringLiteral("Brak drukarki domyślnej w systemie."));
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::critical(parent, kCaptionError,
                              QStringLiteral("Nie można rozpocząć drukowania."));
        return;
    }
    painter.setFont(font);
    const QRect page = painter.viewport();
    const int step = painter.fontMetrics().lineSpacing();
    int y = step;
    for (const QString& line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = step;
        }
        painter.drawText(0, y, line);
        y += step;
    }
    painter.end();
}

void PrinterAndFileOutput::exportToFile(QWidget* parent, const QStringList& lines)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(QStringLiteral("Text file (*.txt)"));
    dialog.selectFile(QStringLiteral("Blad.txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!WriteTextLines(dialog.selectedFiles().first(), lines, &error))
        QMessageBox::critical(parent, kCaptionError, error);
}

} // namespace vorn
