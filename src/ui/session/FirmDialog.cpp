#include "ui/session/FirmDialog.h"

#include "ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorn {

TfrmBrFirm::TfrmBrFirm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBrFirm"));
    setWindowTitle(QStringLiteral("Wybór firmy"));
    auto* text = new QLabel(QStringLiteral("Wybierz firmę, na danych której chcesz pracować."));
    auto* caption = new QLabel(QStringLiteral("Lista firm"));
    lstFirmy = new QTreeWidget;
    lstFirmy->setObjectName(QStringLiteral("lstFirmy"));
    lstFirmy->setRootIsDecorated(false);
    lstFirmy->setHeaderLabels(
        {QStringLiteral("Nazwa pełna"), QStringLiteral("Nazwa skrócona"), QStringLiteral("Numer")});
    lstFirmy->header()->setStretchLastSection(false);
    lstFirmy->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstFirmy->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lstFirmy->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lblUwaga = new QLabel;
    lblUwaga->setWordWrap(true);
    const DialogButtons buttons = MakeDialogButtons(this, QStringLiteral("Wy&bierz"));
    btnWybierz = buttons.confirm;
    btnAnuluj = buttons.cancel;
    connect(btnWybierz, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstFirmy, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (btnWybierz->isEnabled())
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(caption);
    layout->addWidget(lstFirmy);
    layout->addWidget(lblUwaga);
    layout->addLayout(buttons.row);
    resize(620, 360);
}

void TfrmBrFirm::fill(const QList<FirmListEntry>& firms, bool onlyPermitted,
                      const QString& moduleCode, qint64 currentFirm)
{
    lstFirmy->clear();
    QTreeWidgetItem* start = nullptr;
    for (const FirmListEntry& f : firms) {
        auto* item = new QTreeWidgetItem(lstFirmy,
                                         {f.nazwaPelna, f.nazwaSkrocona, QString::number(f.numer)});
        item->setData(0, Qt::UserRole, f.id);
        if (f.id == currentFirm)
            start = item;
    }
    if (!start && lstFirmy->topLevelItemCount() > 0)
        start = lstFirmy->topLevelItem(0);
    lstFirmy->setCurrentItem(start);
    btnWybierz->setEnabled(!firms.isEmpty());
    lblUwaga->setVisible(onlyPermitted);
    lblUwaga->setText(
        QStringLiteral("Uwaga : Poniższa lista zawiera wyłącznie te firmy w module %1, "
                       "do których bieżący użytkownik ma prawo dostępu.")
            .arg(moduleCode));
}

std::optional<qint64> TfrmBrFirm::currentFirm() const
{
    const QTreeWidgetItem* item = lstFirmy->currentItem();
    if (!item)
        return std::nullopt;
    return item->data(0, Qt::UserRole).toLongLong();
}

std::optional<qint64> TfrmBrFirm::pick(const QList<FirmListEntry>& firms, bool onlyPermitted,
                                       const QString& moduleCode, qint64 currentFirmId)
{
    fill(firms, onlyPermitted, moduleCode, currentFirmId);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return currentFirm();
}

} // namespace vorn
