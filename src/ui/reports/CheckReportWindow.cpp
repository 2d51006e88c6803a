#include "ui/reports/CheckReportWindow.h"

#include "common/Messages.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vorn {

CheckReportWindow::CheckReportWindow(CheckReport report, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_report(std::move(report)), m_messages(messages)
{
    setObjectName(QStringLiteral("frmRaport"));
    setWindowTitle(m_report.title);
    m_view = new QTextBrowser;
    m_view->setHtml(m_report.toHtml());
    btnDrukuj = new QPushButton(QStringLiteral("&Drukuj"));
    btnZapisz = new QPushButton(QStringLiteral("&Zapisz"));
    btnZamknij = new QPushButton(QStringLiteral("Za&mknij"));
    connect(btnDrukuj, &QPushButton::clicked, this, &CheckReportWindow::print);
    connect(btnZapisz, &QPushButton::clicked, this, &CheckReportWindow::save);
    connect(btnZamknij, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDrukuj);
    buttons->addWidget(btnZapisz);
    buttons->addStretch();
    buttons->addWidget(btnZamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
    resize(640, 480);

    askFileName = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz raport"), m_report.title,
                                            QStringLiteral("Dokument RTF (*.rtf)"));
    };
}

void CheckReportWindow::print()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        m_messages.information(QStringLiteral("Brak zdefiniowanej bieżącej drukarki."));
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_view->document()->print(&printer);
}

bool CheckReportWindow::save()
{
    QString path = askFileName ? askFileName() : QString();
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive))
        path += QStringLiteral(".rtf");
    if (!m_report.saveRtf(path)) {
        m_messages.error(QStringLiteral("Nie można zapisać pliku: ") + path);
        return false;
    }
    return true;
}

void QtReportViewer::show(const CheckReport& report)
{
    CheckReportWindow window(report, m_messages, m_parent);
    window.exec();
}

} // namespace vorn
