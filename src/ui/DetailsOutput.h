#pragma once

#include <QFont>
#include <QStringList>

class QWidget;

namespace vorn {

// Where the information window sends its details: the default printer and a text file.
// Failures are reported by the error box and leave the window open.
class DetailsOutput
{
public:
    virtual ~DetailsOutput() = default;
    virtual void print(QWidget* parent, const QStringList& lines, const QFont& font) = 0;
    virtual void exportToFile(QWidget* parent, const QStringList& lines) = 0;
};

class PrinterAndFileOutput : public DetailsOutput
{
public:
    void print(QWidget* parent, const QStringList& lines, const QFont& font) override;
    void exportToFile(QWidget* parent, const QStringList& lines) override;
};

// Writes the lines with CRLF line ends; false when the file cannot be written.
bool WriteTextLines(const QString& fileName, const QStringList& lines, QString* error);

} // namespace vorn
