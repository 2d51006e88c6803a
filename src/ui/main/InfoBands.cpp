#include "ui/main/InfoBands.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <algorithm>

namespace vorn {

namespace {

QLabel* valueLabel()
{
    auto* label = new QLabel(QStringLiteral("BRAK"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: #000080; padding: 0 6px;"));
    return label;
}

} // namespace

InfoBands::InfoBands(QMainWindow& window) : QObject(&window), m_window(window)
{
    QToolBar* firm = addBand(QStringLiteral("pnlFirma"), QStringLiteral("Firma"));
    lblFirma = new QLabel(QStringLiteral("Firma :"));
    lblNazwaFirmy = valueLabel();
    lblNazwaFirmy->setObjectName(QStringLiteral("lblNazwaFirmy"));
    firm->addWidget(lblFirma);
    firm->addWidget(lblNazwaFirmy);

    QToolBar* year = addBand(QStringLiteral("pnlRok"), QStringLiteral("Rok"));
    lblRokTytul = new QLabel(QStringLiteral("Rok obrachunkowy : "));
    lblRok = valueLabel();
    lblRok->setObjectName(QStringLiteral("lblRok"));
    year->addWidget(lblRokTytul);
    year->addWidget(lblRok);

    QToolBar* tools = addBand(QStringLiteral("pnlNarzedzia"), QStringLiteral("Narzędzia"));
    pglMenu = new QTabWidget;
    pglMenu->setObjectName(QStringLiteral("pglMenu"));
    pglMenu->setDocumentMode(true);
    pglMenu->setMinimumWidth(1000);
    tools->addWidget(pglMenu);

    addBand(QStringLiteral("pnlPomoc"), QStringLiteral("Pomoc"));

    QToolBar* date = addBand(QStringLiteral("pnlData"), QStringLiteral("Data"));
    lblData = new QLabel;
    lblData->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblData->setMinimumWidth(150);
    lblData->setAlignment(Qt::AlignCenter);
    date->addWidget(lblData);

    for (QLabel* l : {lblFirma, lblNazwaFirmy, lblRokTytul, lblRok})
        l->installEventFilter(this);

    ppmToolbar = new QMenu(&m_window);
    ppmToolbar->setObjectName(QStringLiteral("ppmToolbar"));
    const QStringList items{QStringLiteral("Firma"), QStringLiteral("Rok"),
                            QStringLiteral("Narzędzia"), QStringLiteral("Pomoc"),
                            QStringLiteral("Data")};
    for (int i = 0; i < m_bands.size(); ++i) {
        QAction* item = ppmToolbar->addAction(items.at(i));
        item->setObjectName(QStringLiteral("pmi") + m_bands.at(i)->objectName().mid(3));
        item->setCheckable(true);
        item->setChecked(true);
        QToolBar* band = m_bands.at(i);
        connect(item, &QAction::triggered, band, [band](bool on) { band->setVisible(on); });
        m_items << item;
    }
    connect(ppmToolbar, &QMenu::aboutToShow, this, &InfoBands::syncChecks);

    // Until the user moves them: firm, year, help and clock in the first row, the tabbed
    // tool bar across the second.
    applyLayout({{QStringLiteral("pnlFirma"), true, 0, 0, true},
                 {QStringLiteral("pnlRok"), true, 1, 0, true},
                 {QStringLiteral("pnlPomoc"), true, 2, 0, true},
                 {QStringLiteral("pnlData"), true, 3, 0, true},
                 {QStringLiteral("pnlNarzedzia"), true, 0, 30, true}});
}

QToolBar* InfoBands::addBand(const QString& name, const QString& title)
{
    auto* band = new QToolBar(title, &m_window);
    band->setObjectName(name);
    band->setMovable(true);
    band->setFloatable(false);
    band->setAllowedAreas(Qt::TopToolBarArea);
    band->setMinimumHeight(30);
    band->setContextMenuPolicy(Qt::PreventContextMenu);
    m_window.addToolBar(Qt::TopToolBarArea, band);
    m_bands << band;
    return band;
}

void InfoBands::syncChecks()
{
    // The date band's item keeps its own mark: it is stored, not read back.
    for (int i = 0; i < 4; ++i)
        m_items.at(i)->setChecked(!m_bands.at(i)->isHidden());
}

void InfoBands::setFirm(const QString& name)
{
    lblNazwaFirmy->setText(name);
}

void InfoBands::setYear(const QString& label)
{
    lblRok->setText(label);
}

void InfoBands::setClock(const QString& text)
{
    lblData->setText(text);
}

QString InfoBands::yearText() const
{
    return lblRok->text();
}

QToolBar* InfoBands::band(const QString& name) const
{
    for (QToolBar* b : m_bands)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

bool InfoBands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if ((watched == lblFirma || watched == lblNazwaFirmy) && onFirmDoubleClick)
            onFirmDoubleClick();
        if ((watched == lblRokTytul || watched == lblRok) && onYearDoubleClick)
            onYearDoubleClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QList<BandPlace> InfoBands::layout() const
{
    QList<BandPlace> out;
    for (int i = 0; i < m_bands.size(); ++i) {
        const QToolBar* b = m_bands.at(i);
        out << BandPlace{b->objectName(), !b->isHidden(), b->x(), b->y(),
                         m_items.at(i)->isChecked()};
    }
    return out;
}

void InfoBands::applyLayout(const QList<BandPlace>& places)
{
    QList<BandPlace> order = places;
    std::stable_sort(order.begin(), order.end(), [](const BandPlace& a, const BandPlace& b) {
        return a.top / 30 != b.top / 30 ? a.top < b.top : a.left < b.left;
    });
    for (QToolBar* b : m_bands)
        m_window.removeToolBar(b);
    int row = -1;
    for (const BandPlace& place : order) {
        QToolBar* b = band(place.name);
        if (!b)
            continue;
        if (row >= 0 && place.top / 30 != row)
            m_window.addToolBarBreak(Qt::TopToolBarArea);
        row = place.top / 30;
        m_window.addToolBar(Qt::TopToolBarArea, b);
        b->setVisible(place.visible);
        m_items.at(static_cast<int>(m_bands.indexOf(b)))->setChecked(place.checked);
    }
}

} // namespace vorn
