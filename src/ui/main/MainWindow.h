#pragma once

#include "shell/Commands.h"
#include "shell/PeriodicRefresh.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QTimer;

namespace vorn {

struct SessionState;
class BackgroundPanel;
class CommandBinder;
class InfoBands;
class UserMessages;
class WindowHelpers;

// What the main window is given by the program that creates it.
struct MainWindowEnv
{
    UserMessages& messages;
    SessionState& state;
    QString programDir;    // where Dealer.Ini lies
    QString versionSuffix; // " - 1.0"
    // The user's profile file for the band layout; empty: the layout is not kept.
    std::function<QString()> layoutFile;
};

// The program's only top-level window: the frame of all child windows with its menu, bands,
// status bar and background. Commands come from the command table; the window only gathers
// their context and refreshes the open lists once a minute.
class TfrmMainST : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString kCaption =
        QStringLiteral("VORN 2000 - AMORTYZACJA ŚRODKÓW TRWAŁYCH");
    static inline const QString kCloseQuestion =
        QStringLiteral("Czy chcesz zakończyć pracę z programem?");

    explicit TfrmMainST(MainWindowEnv env, QWidget* parent = nullptr);
    ~TfrmMainST() override;

    CommandDispatcher& dispatcher() { return m_dispatcher; }
    CommandBinder& commands() { return *m_binder; }
    WindowHelpers& windows() { return *m_windows; }
    InfoBands& bands() { return *m_bands; }
    QMdiArea& area() { return *m_area; }
    BackgroundPanel& background() { return *pnlLogoFirmy; }
    UserMessages& messages() { return m_env.messages; }
    SessionState& state() { return m_env.state; }
    const MainWindowEnv& env() const { return m_env; }

    CommandContext commandContext() const;
    // Firm, year and user from the session; the enabled states follow.
    void showSession();
    void loadLayout();
    void saveLayout();
    void closeAllChildren();

    // 1: the program closes to hand over to the administrator tool, without the question.
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    // Runs once at every periodic refresh after the open windows have re-read their lists.
    void addRefreshStep(std::function<void()> step) { m_refreshSteps.push_back(std::move(step)); }
    // One clock tick, as the one-second timer gives it.
    void clockTick();
    // Background visible exactly while no child window is open.
    void updateBackground();
    void refreshNow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    MainWindowEnv m_env;
    CommandDispatcher m_dispatcher;
    QMdiArea* m_area;
    InfoBands* m_bands;
    CommandBinder* m_binder;
    std::unique_ptr<WindowHelpers> m_windows;
    BackgroundPanel* pnlLogoFirmy;
    QLabel* m_statusFirst;
    QLabel* m_statusUser;
    QTimer* tmrCzas;
    QTimer* tmrPanelTQW;
    PeriodicRefresh m_refresh;
    std::vector<std::function<void()>> m_refreshSteps;
    int m_tag = 0;
    bool m_shownOnce = false;
};

} // namespace vorn
