#include "ui/session/YearChooserDialog.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "shell/Modules.h"
#include "shell/Profiles.h"
#include "shell/Session.h"
#include "ui/grid/ExportGridToText.h"
#include "ui/grid/RowListModel.h"
#include "ui/grid/TAutoPropertiesStore.h"
#include "ui/grid/TDBGridSel.h"
#include "ui/session/YearEditorDialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorn {

TfrmGetRok::TfrmGetRok(Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("frmGetRok"));
    setWindowTitle(QStringLiteral("WYBÓR ROKU "));
    m_model = new RowListModel({{QStringLiteral("ROK"), QStringLiteral("NUMER ROKU")},
                                {QStringLiteral("DATA_POCZ"), QStringLiteral("POCZĄTEK ROKU")},
                                {QStringLiteral("DATA_KONCA"), QStringLiteral("KONIEC ROKU")},
                                {QStringLiteral("ZAMKNIETYDO"), QStringLiteral("ZAMKNIĘTY DO")}},
                               this);
    grdLata = new TDBGridSel(this);
    grdLata->setObjectName(QStringLiteral("grdLata"));
    grdLata->setModel(m_model);
    grdLata->setMessages(&m_messages);
    grdLata->horizontalHeader()->setStretchLastSection(true);
    grdLata->setContextMenuPolicy(Qt::ActionsContextMenu);

    btnWybierz = new QPushButton(QStringLiteral("Wy&bierz"));
    btnWybierz->setToolTip(QStringLiteral("Wybór roku"));
    btnWybierz->setDefault(true);
    grdLata->setButtonModal(btnWybierz); // Enter and a double click choose
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
        ExportGridToText(*grdLata, QStringLiteral("Rok.txt"), m_messages, SaveDialogChooser(this));
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
    m_layout = new TAutoPropertiesStore(this, QStringLiteral("frmGetRok"));
    m_layout->addItem(grdLata, {QStringLiteral("Columns")});
    m_layout->addItem(this, {QStringLiteral("Width"), QStringLiteral("Height")});
    const QString root = m_session.paths().rootPath;
    if (!root.isEmpty())
        keepLayoutIn(
            ProfileFile(root, m_session.state().user.Identyfikator, ModuleST, kProfileBrowsers));
    reload();
}

void TfrmGetRok::keepLayoutIn(const QString& iniFile)
{
    m_layout->activate(iniFile);
}

int TfrmGetRok::rowCount() const
{
    return m_model->rowCount();
}

void TfrmGetRok::reload()
{
    const std::optional<int> keep = currentRok();
    QList<Row> rows;
    for (const FiscalYearRow& y : m_session.fiscalYears()->years()) {
        Row row;
        row.set(QStringLiteral("ROK"), y.rok);
        row.set(QStringLiteral("DATA_POCZ"), y.dataPocz);
        row.set(QStringLiteral("DATA_KONCA"), y.dataKonca);
        row.set(QStringLiteral("ZAMKNIETYDO"),
                y.zamknietyDo.isValid() ? QVariant(y.zamknietyDo) : QVariant());
        rows << row;
    }
    m_model->setRows(rows);
    if (keep)
        selectRok(*keep);
    if (!currentRok() && !rows.isEmpty())
        grdLata->selectRow(0);
    updateButtons();
}

std::optional<int> TfrmGetRok::currentRok() const
{
    const QModelIndex current = grdLata->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return std::nullopt;
    return int(m_model->row(current.row()).integer(QStringLiteral("ROK")));
}

void TfrmGetRok::selectRok(int rok)
{
    for (int i = 0; i < m_model->rowCount(); ++i)
        if (m_model->row(i).integer(QStringLiteral("ROK")) == rok)
            grdLata->selectRow(i);
}

void TfrmGetRok::updateButtons()
{
    const TV2User& user = m_session.state().user;
    const bool any = m_model->rowCount() > 0;
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
        grdLata->selectRow(m_model->rowCount() - 1);
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
