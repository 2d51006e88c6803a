#include "ui/session/YearChooserDialog.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "shell/Session.h"
#include "ui/session/YearEditorDialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorn {

TfrmGetRok::TfrmGetRok(Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("frmGetRok"));
    setWindowTitle(QStringLiteral("WYBÓR ROKU "));
    grdLata = new QTableWidget(0, 4);
    grdLata->setObjectName(QStringLiteral("grdLata"));
    grdLata->setHorizontalHeaderLabels(
        {QStringLiteral("NUMER ROKU"), QStringLiteral("POCZĄTEK ROKU"),
         QStringLiteral("KONIEC ROKU"), QStringLiteral("ZAMKNIĘTY DO")});
    grdLata->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLata->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLata->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLata->verticalHeader()->hide();
    grdLata->horizontalHeader()->setStretchLastSection(true);
    grdLata->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(grdLata, &QTableWidget::cellDoubleClicked, this, [this] { choose(); });

    btnWybierz = new QPushButton(QStringLiteral("Wy&bierz"));
    btnWybierz->setToolTip(QStringLiteral("Wybór roku"));
    btnWybierz->setDefault(true);
    btnNowy = new QPushButton(QStringLiteral("&Nowy"));
    btnNowy->setToolTip(QStringLiteral("Założenie nowego roku (Ins)"));
    btnUsun = new QPushButton(QStringLiteral("&Usuń"));
    btnUsun->setToolTip(QStringLiteral("Usunięcie roku (Del)"));
    btnAnuluj = new QPushButton(QStringLiteral("&Anuluj"));
    btnAnuluj->setToolTip(QStringLiteral("Anuluj operacje"));
    sbnEksport = new QToolButton;
    sbnEksport->setText(QStringLiteral("Eksport"));
    sbnEksport->setToolTip(QStringLiteral("Eksport do zbioru tekstowego (Ctrl+E)"));
    sbnEksport->setAutoRaise(true);
    connect(btnWybierz, &QPushButton::clicked, this, &TfrmGetRok::choose);
    connect(btnNowy, &QPushButton::clicked, this, &TfrmGetRok::newYear);
    connect(btnUsun, &QPushButton::clicked, this, &TfrmGetRok::deleteYear);
    connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(sbnEksport, &QToolButton::clicked, this, [this] {
        if (exporter)
            exporter(grdLata, QStringLiteral("Rok.txt"));
    });
    auto* newAction = new QAction(QStringLiteral("NOWY"), grdLata);
    newAction->setShortcut(Qt::Key_Insert);
    connect(newAction, &QAction::triggered, this, [this] {
        if (btnNowy->isEnabled())
            newYear();
    });
    auto* deleteAction = new QAction(QStringLiteral("USUŃ"), grdLata);
    deleteAction->setShortcut(Qt::Key_Delete);
    connect(deleteAction, &QAction::triggered, this, [this] {
        if (btnUsun->isEnabled())
            deleteYear();
    });
    grdLata->addAction(newAction);
    grdLata->addAction(deleteAction);
    auto* ctrlE = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(ctrlE, &QShortcut::activated, sbnEksport, &QToolButton::click);

    auto* tools = new QHBoxLayout;
    tools->addWidget(sbnEksport);
    tools->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnNowy);
    buttons->addWidget(btnUsun);
    buttons->addStretch();
    buttons->addWidget(btnWybierz);
    buttons->addWidget(btnAnuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(grdLata);
    layout->addLayout(buttons);
    resize(560, 320);
    reload();
}

void TfrmGetRok::reload()
{
    const std::optional<int> keep = currentRok();
    const auto years = m_session.fiscalYears()->years();
    grdLata->setRowCount(int(years.size()));
    for (int i = 0; i < years.size(); ++i) {
        const FiscalYearRow& y = years.at(i);
        const QStringList values{QString::number(y.rok), FormatDate(y.dataPocz),
                                 FormatDate(y.dataKonca), FormatDate(y.zamknietyDo)};
        for (int c = 0; c < values.size(); ++c) {
            auto* item = new QTableWidgetItem(values.at(c));
            item->setData(Qt::UserRole, y.rok);
            grdLata->setItem(i, c, item);
        }
    }
    if (keep)
        selectRok(*keep);
    if (grdLata->currentRow() < 0 && grdLata->rowCount() > 0)
        grdLata->selectRow(0);
    updateButtons();
}

std::optional<int> TfrmGetRok::currentRok() const
{
    const int row = grdLata->currentRow();
    if (row < 0 || !grdLata->item(row, 0))
        return std::nullopt;
    return grdLata->item(row, 0)->data(Qt::UserRole).toInt();
}

void TfrmGetRok::selectRok(int rok)
{
    for (int i = 0; i < grdLata->rowCount(); ++i)
        if (grdLata->item(i, 0)->data(Qt::UserRole).toInt() == rok)
            grdLata->selectRow(i);
}

void TfrmGetRok::updateButtons()
{
    const TV2User& user = m_session.state().user;
    const bool any = grdLata->rowCount() > 0;
    btnWybierz->setEnabled(any);
    btnNowy->setEnabled(user.HasFirmRight(kRightNewYear));
    btnUsun->setEnabled(any && user.HasFirmRight(kRightDeleteYear));
}

void TfrmGetRok::newYear()
{
    if (!m_session.state().user.HasFirmRight(kRightNewYear, &m_messages))
        return;
    TfrmEditRok editor(*m_session.fiscalYears(), m_messages, this);
    if (editor.exec() == QDialog::Accepted) {
        reload();
        grdLata->selectRow(grdLata->rowCount() - 1);
    }
}

void TfrmGetRok::deleteYear()
{
    if (!m_session.state().user.HasFirmRight(kRightDeleteYear, &m_messages))
        return;
    const auto rok = currentRok();
    if (!rok)
        return;
    m_session.fiscalYears()->DeleteYear(*rok, m_session.othersWorkOnFirm());
    reload();
}

void TfrmGetRok::choose()
{
    if (currentRok())
        accept();
}

std::optional<int> QtYearChooser::choose(int currentRok)
{
    if (!m_session || !m_session->fiscalYears())
        return std::nullopt;
    TfrmGetRok dialog(*m_session, m_messages, m_parent);
    if (currentRok >= 0)
        dialog.selectRok(currentRok);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentRok();
}

} // namespace vorn
