#include "shell/Commands.h"
#include "shell/BandLayout.h"
#include "shell/DealerLogo.h"
#include "shell/PeriodicRefresh.h"
#include "shell/UserAndFirm.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <gtest/gtest.h>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

TV2User userWithAllRights()
{
    TV2User user;
    user.ID = 1;
    user.FirmRights = QString(255, QLatin1Char('1'));
    user.ModuleRights = QString(255, QLatin1Char('1'));
    return user;
}

CommandContext browser(int assets, int marked, const QString& year = QStringLiteral("2026"))
{
    CommandContext c;
    c.yearLabel = year;
    c.anyChildOpen = true;
    c.assetBrowserExists = true;
    c.active = ActiveWindow::AssetBrowser;
    c.assetCount = assets;
    c.markedCount = marked;
    return c;
}

CommandContext events(int count, int type, qint64 long4)
{
    CommandContext c;
    c.yearLabel = QStringLiteral("2026");
    c.anyChildOpen = true;
    c.active = ActiveWindow::EventsBrowser;
    c.eventCount = count;
    c.currentEventType = type;
    c.currentEventLong4 = long4;
    return c;
}

CommandDispatcher everythingBound()
{
    CommandDispatcher d;
    for (const CommandDef& c : CommandTable())
        d.bind(c.id, [] {});
    return d;
}

QStringList enabledIds(const CommandDispatcher& d, const CommandContext& c, const TV2User& user)
{
    QStringList out;
    for (const CommandDef& def : CommandTable())
        if (d.enabled(def, c, user))
            out << def.id;
    return out;
}

const QStringList kEventCommands{QStringLiteral("przyjecie"),    QStringLiteral("planWyznaczenie"),
                                 QStringLiteral("planKorekta"),  QStringLiteral("umorzenie"),
                                 QStringLiteral("aktualizacja"), QStringLiteral("zmianaWartosci"),
                                 QStringLiteral("acnOdpisAkt"),  QStringLiteral("acnStornoOdp"),
                                 QStringLiteral("likwidacja"),   QStringLiteral("sprzedaz"),
                                 QStringLiteral("zmianaMiejsca")};

} // namespace

struct RuleCase
{
    const char* name;
    CommandContext context;
    EnableRule rule;
    bool allowed;
};

TEST(CommandRules, FollowTheContext)
{
    CommandContext minimized = browser(3, 0);
    minimized.activeMinimized = true;
    CommandContext other = browser(3, 0);
    other.active = ActiveWindow::Other;
    const RuleCase cases[] = {
        {"browser with assets", browser(3, 0), EnableRule::AssetContext, true},
        {"no year chosen", browser(3, 0, QStringLiteral("BRAK")), EnableRule::AssetContext, false},
        {"empty year label", browser(3, 0, QString()), EnableRule::YearChosen, false},
        {"empty list", browser(0, 0), EnableRule::AssetContext, false},
        {"browser minimized", minimized, EnableRule::AssetContext, false},
        {"another window active", other, EnableRule::AssetContext, false},
        {"marked: one asset only", browser(3, 2), EnableRule::SingleAssetContext, false},
        {"marked: many assets", browser(3, 2), EnableRule::AssetContext, true},
        {"browser active, empty", browser(0, 0), EnableRule::AssetBrowserActive, true},
        {"browser not active", other, EnableRule::AssetBrowserActive, false},
        {"acceptance doc, one asset", browser(3, 0), EnableRule::AcceptanceDocument, true},
        {"acceptance doc, marked", browser(3, 1), EnableRule::AcceptanceDocument, false},
        {"acceptance doc, event with number", events(2, 1, 17), EnableRule::AcceptanceDocument,
         true},
        {"acceptance doc, event without number", events(2, 1, 0), EnableRule::AcceptanceDocument,
         false},
        {"acceptance doc, other event", events(2, 8, 17), EnableRule::AcceptanceDocument, false},
        {"liquidation doc, liquidation event", events(2, 8, 0), EnableRule::LiquidationDocument,
         true},
        {"liquidation doc, sale event", events(2, 10, 0), EnableRule::LiquidationDocument, false},
        {"protocol, events", events(1, 4, 0), EnableRule::HandOverProtocol, true},
        {"protocol, asset browser", browser(3, 0), EnableRule::HandOverProtocol, false},
        {"protocol, no events", events(0, 0, 0), EnableRule::HandOverProtocol, false},
        {"nothing open", CommandContext{}, EnableRule::Always, true},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(RuleAllows(c.rule, c.context), c.allowed) << c.name;
}

TEST(CommandTable, IdsAreUniqueAndToolButtonsHaveTexts)
{
    QSet<QString> ids;
    for (const CommandDef& c : CommandTable()) {
        EXPECT_FALSE(ids.contains(c.id)) << qPrintable(c.id);
        ids.insert(c.id);
        if (!c.tab.isEmpty()) {
            EXPECT_FALSE(c.hint.isEmpty()) << qPrintable(c.id);
        }
        if (c.rightInRule) {
            EXPECT_GT(c.right, 0) << qPrintable(c.id);
        }
    }
}

TEST(CommandTable, WithoutAYearTheYearBoundCommandsAreDisabled)
{
    const CommandDispatcher d = everythingBound();
    const TV2User user = userWithAllRights();
    QStringList yearBound = kEventCommands;
    yearBound << QStringLiteral("srodkiTrwale") << QStringLiteral("wydarzenia")
              << QStringLiteral("parametry") << QStringLiteral("zamkniecie");

    const QStringList without = enabledIds(d, browser(3, 0, QStringLiteral("BRAK")), user);
    const QStringList with = enabledIds(d, browser(3, 0), user);
    for (const QString& id : yearBound) {
        EXPECT_FALSE(without.contains(id)) << qPrintable(id);
        EXPECT_TRUE(with.contains(id)) << qPrintable(id);
    }
    // Commands that need no year stay available.
    for (const QString& id : {QStringLiteral("kst"), QStringLiteral("zmianaRoku"),
                              QStringLiteral("admFirmy"), QStringLiteral("koniec")})
        EXPECT_TRUE(without.contains(id)) << qPrintable(id);
}

TEST(CommandTable, MarkedAssetsLeaveOnlyTheManyAssetOperations)
{
    const CommandDispatcher d = everythingBound();
    const QStringList on = enabledIds(d, browser(5, 2), userWithAllRights());
    for (const QString& id :
         {QStringLiteral("zmianaWartosci"), QStringLiteral("likwidacja"),
          QStringLiteral("sprzedaz"), QStringLiteral("acnOdpisAkt"), QStringLiteral("acnStornoOdp"),
          QStringLiteral("dowodPrzyjecia"), QStringLiteral("dowodLikwidacji")})
        EXPECT_FALSE(on.contains(id)) << qPrintable(id);
    for (const QString& id : {QStringLiteral("przyjecie"), QStringLiteral("umorzenie"),
                              QStringLiteral("aktualizacja"), QStringLiteral("zmianaMiejsca")})
        EXPECT_TRUE(on.contains(id)) << qPrintable(id);
}

TEST(CommandDispatcher, UnboundCommandsStayDisabledAndDoNothing)
{
    CommandDispatcher d;
    ScriptedMessages messages;
    const TV2User user = userWithAllRights();
    EXPECT_FALSE(d.enabled(*FindCommand(QStringLiteral("kst")), CommandContext{}, user));
    EXPECT_FALSE(d.run(QStringLiteral("kst"), CommandContext{}, user, messages));
    EXPECT_FALSE(d.run(QStringLiteral("no-such-command"), CommandContext{}, user, messages));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST(CommandDispatcher, RightsAreCheckedWhenTheCommandRuns)
{
    int runs = 0;
    CommandDispatcher d;
    d.bind(QStringLiteral("przyjecie"), [&runs] { ++runs; });
    d.bind(QStringLiteral("wzorce"), [&runs] { ++runs; });
    d.bind(QStringLiteral("kst"), [&runs] { ++runs; });
    TV2User user = userWithAllRights();
    user.FirmRights[10] = QLatin1Char('0'); // right 11: acceptance
    user.FirmRights[72] = QLatin1Char('0'); // right 73: posting templates
    ScriptedMessages messages;

    // The item is offered; the missing right is told when it is chosen.
    EXPECT_TRUE(d.enabled(*FindCommand(QStringLiteral("przyjecie")), browser(3, 0), user));
    EXPECT_FALSE(d.run(QStringLiteral("przyjecie"), browser(3, 0), user, messages));
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages().first().kind, ScriptedMessages::Kind::Error);
    EXPECT_TRUE(messages.messages().first().text.contains(QStringLiteral("Brak uprawnień")));

    // A right that is part of the rule disables the item outright.
    EXPECT_FALSE(d.enabled(*FindCommand(QStringLiteral("wzorce")), CommandContext{}, user));
    EXPECT_TRUE(d.run(QStringLiteral("kst"), CommandContext{}, user, messages));
    EXPECT_EQ(runs, 1);
}

TEST(PeriodicRefresh, EverySixtiethTickUnlessBusy)
{
    PeriodicRefresh refresh;
    for (int i = 1; i < PeriodicRefresh::kTicks; ++i)
        ASSERT_FALSE(refresh.tick()) << i;
    EXPECT_TRUE(refresh.tick());
    {
        BusyScope operation;
        for (int i = 1; i < PeriodicRefresh::kTicks; ++i)
            refresh.tick();
        EXPECT_FALSE(refresh.tick()); // due while busy: skipped
    }
    EXPECT_FALSE(BusyScope::busy());
    EXPECT_FALSE(refresh.tick()); // not caught up at once: a full minute again
    for (int i = 2; i < PeriodicRefresh::kTicks; ++i)
        refresh.tick();
    EXPECT_TRUE(refresh.tick());
}

TEST(PeriodicRefresh, BusyFlagSurvivesNestingAndExceptions)
{
    try {
        BusyScope outer;
        {
            BusyScope inner;
        }
        EXPECT_TRUE(BusyScope::busy());
        throw std::runtime_error("operation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(BusyScope::busy());
}

TEST(BandLayout, RoundTripAndDefaultsForBandsNeverStored)
{
    const QString file =
        vorn::test::FreshDir(QStringLiteral("bands")) + QStringLiteral("/Main.ini");
    QList<BandPlace> defaults;
    for (const QString& name : BandNames())
        defaults << BandPlace{name, true, 0, 0, true};
    EXPECT_EQ(LoadBandLayout(file, defaults).size(), 5);

    QList<BandPlace> changed = defaults;
    changed[1].visible = false;
    changed[1].checked = false;
    changed[4].left = 420;
    changed[4].top = 30;
    SaveBandLayout(file, changed.mid(0, 2) + changed.mid(4));
    const QList<BandPlace> back = LoadBandLayout(file, defaults);
    EXPECT_FALSE(back[1].visible);
    EXPECT_FALSE(back[1].checked);
    EXPECT_EQ(back[4].left, 420);
    EXPECT_EQ(back[4].top, 30);
    EXPECT_TRUE(back[2].visible); // pnlNarzedzia was not stored
    QSettings ini(file, QSettings::IniFormat);
    EXPECT_TRUE(ini.childGroups().contains(kBandSection));
    EXPECT_EQ(BandOfMenuItem(QStringLiteral("pmiData")), QStringLiteral("pnlData"));
}

TEST(DealerLogo, MissingFileIsCreatedWithDefaultsAndSettingsAreRead)
{
    const QString dir = vorn::test::FreshDir(QStringLiteral("dealer"));
    const DealerLogo first = ReadDealerLogo(dir);
    EXPECT_EQ(first.pictureFile, dir + QStringLiteral("/Rysunki/Logo/Dealer.iv2"));
    EXPECT_TRUE(first.showProductName);
    EXPECT_FALSE(first.showInformation);
    ASSERT_TRUE(QFile::exists(dir + QStringLiteral("/Dealer.Ini")));
    {
        QSettings ini(dir + QStringLiteral("/Dealer.Ini"), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("DEALER_LOGO/TQW_ADRES")).toString(),
                  QStringLiteral("N"));
        ini.setValue(QStringLiteral("DEALER_LOGO/TQW_LOGO"), QStringLiteral("N"));
        ini.setValue(QStringLiteral("DEALER_LOGO/TQW_ADRES"), QStringLiteral("T"));
        ini.setValue(QStringLiteral("DEALER_LOGO/PLIK"), QStringLiteral("/x/logo.png"));
    }
    const DealerLogo second = ReadDealerLogo(dir);
    EXPECT_FALSE(second.showProductName);
    EXPECT_TRUE(second.showInformation);
    EXPECT_EQ(second.pictureFile, QStringLiteral("/x/logo.png"));
}
