#include "ui/main/SmallDialogs.h"

#include "ui/DialogButtons.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

TfrmOProgramie::TfrmOProgramie(const QString& fullVersion, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOProgramie"));
    setWindowTitle(QStringLiteral("O PROGRAMIE ..."));
    auto* name = new QLabel(QStringLiteral("VORN 2000\nEwidencja i Amortyzacja Środków Trwałych"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    name->setFont(bold);
    name->setAlignment(Qt::AlignCenter);
    auto* description = new QLabel(
        QStringLiteral("Moduł systemu VORN 2000 prowadzący ewidencję środków trwałych\n"
                       "oraz wartości niematerialnych i prawnych: przyjęcia, zmiany wartości,\n"
                       "aktualizacje, odpisy aktualizujące, likwidacje i sprzedaż, plany\n"
                       "amortyzacji księgowej i podatkowej, umorzenia miesięczne, polecenia\n"
                       "księgowania, dokumenty i zestawienia."));
    description->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("wersja ") + fullVersion);
    version->setObjectName(QStringLiteral("pnlWersja"));
    version->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    version->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton(QStringLiteral("&Zamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(description);
    layout->addWidget(version);
    layout->addWidget(close, 0, Qt::AlignCenter);
}

TfrmOpcje::TfrmOpcje(bool colourMarks, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOpcje"));
    setWindowTitle(QStringLiteral("OPCJE UŻYTKOWNIKA"));
    cbxKolory = new QCheckBox(QStringLiteral("Kolorowe oznaczenia środków"));
    cbxKolory->setChecked(colourMarks);
    const DialogButtons buttons = MakeDialogButtons(this);
    connect(buttons.confirm, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbxKolory);
    layout->addLayout(buttons.row);
}

bool TfrmOpcje::colourMarks() const
{
    return cbxKolory->isChecked();
}

TfrmKalendarz::TfrmKalendarz(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kalendarz"));
    auto* calendar = new QCalendarWidget;
    calendar->setSelectedDate(QDate::currentDate());
    calendar->setGridVisible(true);
    auto* close = new QPushButton(QStringLiteral("&Zamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace vorn
