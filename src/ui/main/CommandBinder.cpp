#include "ui/main/CommandBinder.h"

#include "shell/UserAndFirm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace vorn {

namespace {

const QStringList& topMenus()
{
    static const QStringList menus{QStringLiteral("="),          QStringLiteral("Wydarzenia"),
                                   QStringLiteral("Kartoteki"),  QStringLiteral("Zestawienia"),
                                   QStringLiteral("Użytkownik"), QStringLiteral("Administrator"),
                                   QStringLiteral("Okna"),       QStringLiteral("Pomoc")};
    return menus;
}

const QStringList& tabNames()
{
    static const QStringList tabs{QStringLiteral("Wydarzenia"), QStringLiteral("Kartoteki"),
                                  QStringLiteral("Zestawienia"), QStringLiteral("Użytkownik"),
                                  QStringLiteral("Administrator")};
    return tabs;
}

} // namespace

CommandBinder::CommandBinder(Sources sources, QMenuBar& menuBar, QTabWidget& tabs, QObject* parent)
    : QObject(parent), m_sources(std::move(sources)), m_menuBar(menuBar), m_tabs(tabs)
{
    for (const QString& name : topMenus())
        menuFor(name);
    for (const QString& tab : tabNames())
        pageFor(tab);

    for (const CommandDef& command : CommandTable()) {
        QMenu* menu = menuFor(command.menuPath);
        QAction* a = menu->addAction(command.text);
        a->setObjectName(command.id);
        a->setVisible(!command.hidden);
        if (!command.shortcut.isEmpty())
            a->setShortcut(QKeySequence(command.shortcut));
        if (!command.hint.isEmpty())
            a->setToolTip(command.hint);
        const QString id = command.id;
        connect(a, &QAction::triggered, this, [this, id] { trigger(id); });
        m_actions.insert(id, a);
        if (!command.tab.isEmpty()) {
            // The button is an action of its own with the hint as its text; it follows the
            // menu item's enabled state.
            QToolBar* p = pageFor(command.tab);
            QAction* button = p->addAction(command.hint);
            button->setObjectName(QStringLiteral("sbn_") + id);
            button->setEnabled(a->isEnabled());
            connect(a, &QAction::enabledChanged, button, &QAction::setEnabled);
            connect(button, &QAction::triggered, a, &QAction::trigger);
        }
    }

    for (const QString& name : topMenus())
        connect(m_menus.value(name), &QMenu::aboutToShow, this, &CommandBinder::updateStates);
    connect(m_menus.value(QStringLiteral("Administrator|&Kontrola poprawności")),
            &QMenu::aboutToShow, this, &CommandBinder::updateStates);
    connect(&m_tabs, &QTabWidget::currentChanged, this, &CommandBinder::updateStates);
    // Opening the reports menu without the right tells the user why it is empty.
    connect(m_menus.value(QStringLiteral("Zestawienia")), &QMenu::aboutToShow, this,
            [this] { m_sources.user().HasFirmRight(kReportsRight, &m_sources.messages); });
}

QMenu* CommandBinder::menuFor(const QString& path)
{
    if (QMenu* existing = m_menus.value(path))
        return existing;
    const qsizetype cut = path.lastIndexOf(QLatin1Char('|'));
    QMenu* menu = nullptr;
    if (cut < 0) {
        menu = m_menuBar.addMenu(path);
    } else {
        menu = menuFor(path.left(cut))->addMenu(path.mid(cut + 1));
    }
    menu->setObjectName(QStringLiteral("menu_") + path);
    m_menus.insert(path, menu);
    return menu;
}

QToolBar* CommandBinder::pageFor(const QString& tab)
{
    if (QToolBar* existing = m_pages.value(tab))
        return existing;
    auto* page = new QToolBar;
    page->setObjectName(QStringLiteral("tab_") + tab);
    page->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_tabs.addTab(page, tab);
    m_pages.insert(tab, page);
    return page;
}

void CommandBinder::addMenuButton(const QString& tab, const QString& menuPath, const QString& text)
{
    QMenu* menu = m_menus.value(menuPath);
    if (!menu)
        return;
    auto* button = new QToolButton;
    button->setText(text);
    button->setToolTip(text);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pageFor(tab)->addWidget(button);
}

void CommandBinder::trigger(const QString& id)
{
    updateStates();
    m_sources.dispatcher.run(id, m_sources.context(), m_sources.user(), m_sources.messages);
    updateStates();
}

void CommandBinder::updateStates()
{
    const CommandContext context = m_sources.context();
    const TV2User& user = m_sources.user();
    for (const CommandDef& command : CommandTable())
        m_actions.value(command.id)
            ->setEnabled(m_sources.dispatcher.enabled(command, context, user));

    const bool reports = user.HasFirmRight(kReportsRight);
    m_menus.value(QStringLiteral("Zestawienia"))->setEnabled(reports);
    const int reportsTab = m_tabs.indexOf(m_pages.value(QStringLiteral("Zestawienia")));
    m_tabs.setTabVisible(reportsTab, reports);
    // Sub-menus whose items are all disabled are greyed too, so an unbuilt report is visibly
    // unavailable.
    QStringList nested;
    for (auto it = m_menus.cbegin(); it != m_menus.cend(); ++it)
        if (it.key().contains(QLatin1Char('|')))
            nested << it.key();
    std::sort(nested.begin(), nested.end(), [](const QString& a, const QString& b) {
        return a.count(QLatin1Char('|')) > b.count(QLatin1Char('|'));
    });
    for (const QString& path : nested) {
        QMenu* menu = m_menus.value(path);
        bool any = false;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            any = any || (a->menu() ? a->menu()->isEnabled() : a->isEnabled());
        }
        menu->setEnabled(any);
    }
}

} // namespace vorn
