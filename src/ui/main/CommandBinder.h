#pragma once

#include "shell/Commands.h"

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;
class QToolBar;

namespace vorn {

// Turns the command table into the main menu, the pages of the tabbed tool bar and their
// tool buttons, and keeps their enabled states in line with the command context.
class CommandBinder : public QObject
{
    Q_OBJECT
public:
    struct Sources
    {
        CommandDispatcher& dispatcher;
        UserMessages& messages;
        std::function<CommandContext()> context;
        std::function<const TV2User&()> user;
    };

    CommandBinder(Sources sources, QMenuBar& menuBar, QTabWidget& tabs, QObject* parent);

    QAction* action(const QString& id) const { return m_actions.value(id); }
    QMenu* menu(const QString& path) const { return m_menus.value(path); }
    QToolBar* page(const QString& tab) const { return m_pages.value(tab); }
    // A drop-down tool button on a tab repeating a sub-menu.
    void addMenuButton(const QString& tab, const QString& menuPath, const QString& text);

    // Recomputes every enabled state; the "Zestawienia" menu and tab follow right 31.
    void updateStates();

private:
    Sources m_sources;
    QMenuBar& m_menuBar;
    QTabWidget& m_tabs;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QToolBar*> m_pages;

    QMenu* menuFor(const QString& path);
    QToolBar* pageFor(const QString& tab);
    void trigger(const QString& id);
};

} // namespace vorn
