#include "ui/main/MainWindow.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "shell/BandLayout.h"
#include "shell/SessionState.h"
#include "ui/main/Background.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/CommandBinder.h"
#include "ui/main/InfoBands.h"
#include "ui/main/WindowHelpers.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace vorn {

TfrmMainST::TfrmMainST(MainWindowEnv env, QWidget* parent)
    : QMainWindow(parent), m_env(std::move(env))
{
    setObjectName(QStringLiteral("frmMainST"));
    setWindowTitle(kCaption + m_env.versionSuffix);
    m_area = new QMdiArea;
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setBackground(palette().window());
    m_area->viewport()->installEventFilter(this);
    setCentralWidget(m_area);
    m_windows = std::make_unique<WindowHelpers>(*m_area, m_env.messages);

    m_bands = new InfoBands(*this);
    m_binder = new CommandBinder(
        CommandBinder::Sources{m_dispatcher, m_env.messages, [this] { return commandContext(); },
                               [this]() -> const TV2User& { return m_env.state.user; }},
        *menuBar(), *m_bands->tabs(), this);
    m_binder->addMenuButton(QStringLiteral("Zestawienia"),
                            QStringLiteral("Zestawienia|&Karta środka trwałego"),
                            QStringLiteral("Karta środka trwałego"));
    m_binder->addMenuButton(QStringLiteral("Zestawienia"),
                            QStringLiteral("Zestawienia|&Plan amortyzacji"),
                            QStringLiteral("Plan amortyzacji"));
    m_binder->addMenuButton(QStringLiteral("Zestawienia"),
                            QStringLiteral("Zestawienia|Ewidencja środków &trwałych"),
                            QStringLiteral("Ewidencja środków trwałych"));
    m_binder->addMenuButton(QStringLiteral("Administrator"),
                            QStringLiteral("Administrator|&Kontrola poprawności"),
                            QStringLiteral("Kontrola poprawności danych"));
    m_bands->tabs()->setCurrentIndex(1);
    // The help band repeats the user's tools, the help and the end of the program.
    QToolBar* help = m_bands->helpBand();
    help->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const QList<QPair<QString, QString>> helpButtons{
        {QStringLiteral("kalkulator"), QStringLiteral("Kalkulator")},
        {QStringLiteral("kalendarz"), QStringLiteral("Kalendarz")},
        {QStringLiteral("drukarka"), QStringLiteral("Drukarka")},
        {QString(), QString()},
        {QStringLiteral("pomocZawartosc"), QStringLiteral("Pomoc")},
        {QStringLiteral("koniec"), QStringLiteral("Koniec")}};
    for (const auto& [id, text] : helpButtons) {
        if (id.isEmpty()) {
            help->addSeparator();
            continue;
        }
        QAction* item = m_binder->action(id);
        QAction* button = help->addAction(text);
        button->setToolTip(FindCommand(id)->hint);
        button->setObjectName(QStringLiteral("pnlPomoc_") + id);
        connect(button, &QAction::triggered, item, &QAction::trigger);
        connect(item, &QAction::enabledChanged, button, &QAction::setEnabled);
    }

    m_statusFirst = new QLabel;
    m_statusFirst->setFixedWidth(600);
    m_statusUser = new QLabel;
    m_statusUser->setMinimumWidth(50);
    m_statusUser->setObjectName(QStringLiteral("sbrUser"));
    statusBar()->setObjectName(QStringLiteral("sbrInfo"));
    statusBar()->addWidget(m_statusFirst);
    statusBar()->addWidget(m_statusUser);

    pnlLogoFirmy = new BackgroundPanel(m_env.programDir, m_env.versionSuffix, m_area->viewport());
    pnlLogoFirmy->resize(m_area->viewport()->size());

    tmrCzas = new QTimer(this);
    tmrCzas->setInterval(1000);
    connect(tmrCzas, &QTimer::timeout, this, &TfrmMainST::clockTick);
    tmrPanelTQW = new QTimer(this);
    tmrPanelTQW->setInterval(1000);
    connect(tmrPanelTQW, &QTimer::timeout, this, &TfrmMainST::updateBackground);
    tmrPanelTQW->start();
    connect(m_area, &QMdiArea::subWindowActivated, m_binder, &CommandBinder::updateStates);

    showSession();
}

TfrmMainST::~TfrmMainST()
{
    // The child windows go after the members they would report to.
    m_area->viewport()->removeEventFilter(this);
    m_area->disconnect();
    delete m_area;
}

CommandContext TfrmMainST::commandContext() const
{
    CommandContext c;
    // The year label is the one sign of a chosen year.
    c.yearLabel = m_bands->yearText();
    const QList<QMdiSubWindow*> children = m_area->subWindowList();
    c.anyChildOpen = !children.isEmpty();
    for (QMdiSubWindow* sub : children)
        if (dynamic_cast<AssetListWindow*>(sub->widget()))
            c.assetBrowserExists = true;
    QMdiSubWindow* active = m_area->activeSubWindow();
    if (!active)
        return c;
    c.activeMinimized = active->isMinimized();
    if (auto* assets = dynamic_cast<AssetListWindow*>(active->widget())) {
        c.active = ActiveWindow::AssetBrowser;
        c.assetCount = assets->assetCount();
        c.markedCount = assets->markedCount();
    } else if (auto* events = dynamic_cast<EventListWindow*>(active->widget())) {
        c.active = ActiveWindow::EventsBrowser;
        c.eventCount = events->eventCount();
        c.currentEventType = events->currentEventType();
        c.currentEventLong4 = events->currentEventLong4();
    } else {
        c.active = ActiveWindow::Other;
    }
    return c;
}

void TfrmMainST::showSession()
{
    m_bands->setFirm(m_env.state.firmLabel.isEmpty() ? kNoneLabel : m_env.state.firmLabel);
    m_bands->setYear(m_env.state.yearLabel.isEmpty() ? kNoneLabel : m_env.state.yearLabel);
    m_statusUser->setText(m_env.state.user.Nazwa);
    m_binder->updateStates();
}

void TfrmMainST::loadLayout()
{
    const QString file = m_env.layoutFile ? m_env.layoutFile() : QString();
    if (!file.isEmpty())
        m_bands->applyLayout(LoadBandLayout(file, m_bands->layout()));
}

void TfrmMainST::saveLayout()
{
    const QString file = m_env.layoutFile ? m_env.layoutFile() : QString();
    if (!file.isEmpty())
        SaveBandLayout(file, m_bands->layout());
}

void TfrmMainST::closeAllChildren()
{
    QList<QMdiSubWindow*> children = m_area->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        (*it)->close();
}

void TfrmMainST::clockTick()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_bands->setClock(FormatDate(now.date()) + QLatin1Char(' ') +
                      now.time().toString(QStringLiteral("HH:mm:ss")));
    if (m_refresh.tick())
        refreshNow();
}

void TfrmMainST::refreshNow()
{
    PeriodicRefresh::Running running(m_refresh);
    try {
        for (QMdiSubWindow* sub : m_area->subWindowList())
            if (auto* w = dynamic_cast<RefreshableWindow*>(sub->widget()))
                w->refreshData();
        for (const auto& step : m_refreshSteps)
            step();
    } catch (const std::exception&) {
        // A list that cannot be re-read now is tried again at the next refresh.
    }
}

void TfrmMainST::updateBackground()
{
    pnlLogoFirmy->resize(m_area->viewport()->size());
    pnlLogoFirmy->setVisible(m_area->subWindowList().isEmpty());
    pnlLogoFirmy->lower();
}

void TfrmMainST::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_binder->updateStates();
    clockTick();
    tmrCzas->start();
    loadLayout();
    m_bands->tabs()->setCurrentIndex(1);
    updateBackground();
    showSession();
    // Work starts in the asset browser, once it is there.
    m_dispatcher.run(QStringLiteral("srodkiTrwale"), commandContext(), m_env.state.user,
                     m_env.messages);
}

void TfrmMainST::closeEvent(QCloseEvent* event)
{
    if (m_tag == 0 && !m_env.messages.question(kCloseQuestion)) {
        event->ignore();
        return;
    }
    closeAllChildren();
    saveLayout();
    tmrCzas->stop();
    tmrPanelTQW->stop();
    event->accept();
}

bool TfrmMainST::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize) {
        m_windows->FitChildren();
        pnlLogoFirmy->resize(m_area->viewport()->size());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMainST::contextMenuEvent(QContextMenuEvent* event)
{
    m_bands->popupMenu()->popup(event->globalPos());
    event->accept();
}

} // namespace vorn
