#include "ui/main/DesktopTools.h"

#include "common/Messages.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vorn {

const DesktopProgram& CalculatorProgram()
{
    static const DesktopProgram program{
        QStringLiteral("VORN_CALCULATOR"),
        {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
         QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc"),
         QStringLiteral("calc.exe")},
        QStringLiteral("Nie znaleziono programu kalkulatora.\r\nWskaż go w zmiennej "
                       "środowiskowej VORN_CALCULATOR.")};
    return program;
}

const DesktopProgram& EditorProgram()
{
    static const DesktopProgram program{
        QStringLiteral("VORN_EDITOR"),
        {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
         QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
         QStringLiteral("xed"), QStringLiteral("featherpad"), QStringLiteral("notepad.exe")},
        QStringLiteral("Nie znaleziono edytora tekstu.\r\nWskaż go w zmiennej środowiskowej "
                       "VORN_EDITOR.")};
    return program;
}

QString FindDesktopProgram(const DesktopProgram& program)
{
    const QString configured =
        qEnvironmentVariable(program.variable.toUtf8().constData()).trimmed();
    if (!configured.isEmpty())
        return QStandardPaths::findExecutable(configured).isEmpty()
                   ? (QFileInfo::exists(configured) ? configured : QString())
                   : QStandardPaths::findExecutable(configured);
    for (const QString& name : program.common) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool StartDesktopProgram(const DesktopProgram& program, UserMessages& messages)
{
    const QString file = FindDesktopProgram(program);
    if (file.isEmpty() || !QProcess::startDetached(file, {})) {
        messages.information(program.missingText);
        return false;
    }
    return true;
}

void PrinterSetup(QWidget* parent, UserMessages& messages)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        messages.information(QStringLiteral("Brak zdefiniowanej bieżącej drukarki."));
        return;
    }
    QPrinter printer;
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Ustawienia drukarki"));
    dialog.exec();
}

} // namespace vorn
