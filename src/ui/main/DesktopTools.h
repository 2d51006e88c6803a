#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vorn {

class UserMessages;

// A helper program of the desktop: the one named in its environment variable, else the
// first of the common ones found on the path.
struct DesktopProgram
{
    QString variable; // VORN_CALCULATOR, VORN_EDITOR
    QStringList common;
    QString missingText;
};

const DesktopProgram& CalculatorProgram();
const DesktopProgram& EditorProgram();

// The program file to start; empty when none is configured or found.
QString FindDesktopProgram(const DesktopProgram& program);
// Starts it detached; says so when there is none or it does not start.
bool StartDesktopProgram(const DesktopProgram& program, UserMessages& messages);

// The printer set-up; "Brak zdefiniowanej bieżącej drukarki." without a printer.
void PrinterSetup(QWidget* parent, UserMessages& messages);

} // namespace vorn
