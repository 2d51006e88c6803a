#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace vorn {

struct TV2User;
class UserMessages;

// The child window the user works in; commands of the asset and event operations follow it.
enum class ActiveWindow
{
    None,
    AssetBrowser,
    EventsBrowser,
    Other
};

// What the enabled rules look at, gathered by the main window each time they are recomputed.
struct CommandContext
{
    QString yearLabel; // "BRAK" while no year is chosen
    bool anyChildOpen = false;
    bool assetBrowserExists = false;
    ActiveWindow active = ActiveWindow::None;
    bool activeMinimized = false;
    int assetCount = 0;  // assets the browser lists
    int markedCount = 0; // assets marked in the browser
    int eventCount = 0;  // events the events browser lists
    int currentEventType = 0;
    qint64 currentEventLong4 = 0;

    bool yearChosen() const;
    bool assetContext() const;
    bool singleAssetContext() const { return assetContext() && markedCount == 0; }
    bool eventsContext() const;
};

enum class EnableRule
{
    Always,
    YearChosen,
    AssetContext,
    SingleAssetContext,
    AssetBrowserActive, // the browser exists and is the active child window
    AcceptanceDocument,
    LiquidationDocument,
    HandOverProtocol
};

bool RuleAllows(EnableRule rule, const CommandContext& context);

// One menu item of the main window. The menu path names the top menu and the sub-menus
// ("Wydarzenia", "Zestawienia|&Karta środka trwałego"); the tab, when set, is the tool-bar
// page whose button repeats the item, with the tool hint as its text.
struct CommandDef
{
    QString id;
    QString menuPath;
    QString text;
    QString hint;
    QString tab;
    int right = 0; // firm right checked when the command runs; 0: none
    EnableRule rule = EnableRule::Always;
    bool rightInRule = false; // the item is also disabled while the right is missing
    bool hidden = false;
    QString shortcut;
};

// Every command of the main window, in menu order.
const QList<CommandDef>& CommandTable();
std::optional<CommandDef> FindCommand(const QString& id);

// The right the "Zestawienia" menu and its tab need.
constexpr int kReportsRight = 31;

// Binds the commands to what they do. A feature registers its handler under the command's id
// when it is built; a command without a handler stays disabled.
class CommandDispatcher
{
public:
    using Handler = std::function<void()>;

    void bind(const QString& id, Handler handler);
    bool isBound(const QString& id) const;

    // Enabled: bound, allowed by its rule and, where the rule includes it, by the right.
    bool enabled(const CommandDef& command, const CommandContext& context,
                 const TV2User& user) const;
    // Runs a bound and enabled command after checking its right ("Brak uprawnień" when
    // missing); false when nothing ran.
    bool run(const QString& id, const CommandContext& context, const TV2User& user,
             UserMessages& messages) const;

private:
    QList<QPair<QString, Handler>> m_handlers;
    const Handler* handler(const QString& id) const;
};

} // namespace vorn
