#pragma once

#include "store/CheckReport.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTextBrowser;

namespace vorn {

class UserMessages;

// The report of a repair check: shown as it was written, printed through the printer dialog
// and saved as an RTF file.
class CheckReportWindow : public QDialog
{
    Q_OBJECT
public:
    CheckReportWindow(CheckReport report, UserMessages& messages, QWidget* parent = nullptr);

    // The file the report is saved to; by default the file dialog asks. Empty: not saved.
    std::function<QString()> askFileName;

    void print();
    bool save();
    QTextBrowser* view() const { return m_view; }

private:
    CheckReport m_report;
    UserMessages& m_messages;
    QTextBrowser* m_view;
    QPushButton* btnDrukuj;
    QPushButton* btnZapisz;
    QPushButton* btnZamknij;
};

// The desktop program's viewer: each report in its window, modally.
class QtReportViewer : public ReportViewer
{
public:
    QtReportViewer(UserMessages& messages, QWidget* parent) : m_messages(messages), m_parent(parent)
    {
    }
    void show(const CheckReport& report) override;

private:
    UserMessages& m_messages;
    QWidget* m_parent;
};

} // namespace vorn
