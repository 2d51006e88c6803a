#include "ui/main/MainWindow.h"
#include "shell/AdministratorLauncher.h"
#include "shell/MemoryConfigStore.h"
#include "shell/Registry.h"
#include "shell/SessionState.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"
#include "ui/main/Background.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/CommandBinder.h"
#include "ui/main/InfoBands.h"
#include "ui/main/MainCommands.h"
#include "ui/main/WindowHelpers.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

class FakeAssetBrowser : public QWidget, public AssetListWindow
{
public:
    int assets = 3;
    int marked = 0;
    int assetCount() const override { return assets; }
    int markedCount() const override { return marked; }
};

struct RecordingStarter : ProcessStarter
{
    bool startDetached(const QString& program, const QStringList&) override
    {
        started << program;
        return true;
    }
    QStringList started;
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.user.ID = 7;
        state.user.Identyfikator = QStringLiteral("JANEK");
        state.user.Nazwa = QStringLiteral("Jan Kowalski");
        state.user.FirmRights = QString(255, QLatin1Char('1'));
        state.firmLabel = QStringLiteral("Firma Testowa");
        dir = vorn::test::FreshDir(QStringLiteral("mainwindow"));
    }

    std::unique_ptr<TfrmMainST> makeWindow()
    {
        const QString layout = dir + QStringLiteral("/Main.ini");
        auto w = std::make_unique<TfrmMainST>(MainWindowEnv{
            messages, state, dir, QStringLiteral(" - 0.1"), [layout] { return layout; }});
        w->resize(1000, 700);
        return w;
    }

    // Binds every command the window does not carry out itself, as the features will.
    static void bindAll(TfrmMainST& w)
    {
        for (const CommandDef& c : CommandTable())
            if (!w.dispatcher().isBound(c.id))
                w.dispatcher().bind(c.id, [] {});
        w.commands().updateStates();
    }

    FakeAssetBrowser* openBrowser(TfrmMainST& w)
    {
        QPointer<QWidget> reference;
        auto* browser = new FakeAssetBrowser;
        EXPECT_TRUE(w.windows().OpenOnce(reference, [browser] { return browser; }));
        w.windows().ShowChild(browser);
        w.commands().updateStates();
        return browser;
    }

    ScriptedMessages messages;
    SessionState state;
    QString dir;
};

} // namespace

TEST_F(MainWindowTest, WithoutAYearTheYearBoundCommandsAreDisabled)
{
    state.yearLabel = kNoneLabel;
    auto w = makeWindow();
    w->show();
    bindAll(*w);
    openBrowser(*w);
    const QStringList yearBound{QStringLiteral("srodkiTrwale"), QStringLiteral("wydarzenia"),
                                QStringLiteral("przyjecie"),    QStringLiteral("umorzenie"),
                                QStringLiteral("likwidacja"),   QStringLiteral("zmianaMiejsca"),
                                QStringLiteral("parametry"),    QStringLiteral("zamkniecie")};
    for (const QString& id : yearBound)
        EXPECT_FALSE(w->commands().action(id)->isEnabled()) << qPrintable(id);
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("sbn_przyjecie"))->isEnabled());
    EXPECT_TRUE(w->commands().action(QStringLiteral("kst"))->isEnabled());

    // The same window once a year is chosen.
    state.yearLabel = QStringLiteral("2026");
    w->showSession();
    for (const QString& id : yearBound)
        EXPECT_TRUE(w->commands().action(id)->isEnabled()) << qPrintable(id);
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("sbn_przyjecie"))->isEnabled());
}

TEST_F(MainWindowTest, CommandsOfFeaturesNotBuiltStayDisabled)
{
    state.yearLabel = QStringLiteral("2026");
    auto w = makeWindow();
    MainCommands own(*w, {});
    w->show();
    w->commands().updateStates();
    for (const QString& id : {QStringLiteral("srodkiTrwale"), QStringLiteral("kst"),
                              QStringLiteral("wyborKst"), QStringLiteral("parametry")})
        EXPECT_FALSE(w->commands().action(id)->isEnabled()) << qPrintable(id);
    for (const QString& id : {QStringLiteral("kaskada"), QStringLiteral("oProgramie"),
                              QStringLiteral("koniec"), QStringLiteral("kalkulator")})
        EXPECT_TRUE(w->commands().action(id)->isEnabled()) << qPrintable(id);
}

TEST_F(MainWindowTest, ReportsNeedRight31)
{
    state.user.FirmRights[30] = QLatin1Char('0');
    auto w = makeWindow();
    w->show();
    QTabWidget* tabs = w->bands().tabs();
    const int reports = tabs->indexOf(w->commands().page(QStringLiteral("Zestawienia")));
    EXPECT_FALSE(tabs->isTabVisible(reports));
    EXPECT_FALSE(w->commands().menu(QStringLiteral("Zestawienia"))->isEnabled());
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("Kartoteki"));
}

TEST_F(MainWindowTest, AdministratorHandOverAnsweredNoLeavesTheProgramRunning)
{
    MemoryConfigStore store;
    TV2Registry registry(store, messages);
    RecordingStarter starter;
    AdministratorLauncher launcher(registry, messages, starter);
    auto w = makeWindow();
    MainCommands own(*w, MainCommands::Services{nullptr, &launcher, nullptr, nullptr, {}});
    w->show();
    w->commands().updateStates();

    messages.answer(false);
    w->commands().action(QStringLiteral("admFirmy"))->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->tag(), 0);
    ASSERT_EQ(messages.questions().size(), 1);
    EXPECT_TRUE(messages.questions().first().contains(QStringLiteral("Vorn 2000 - Administrator")));
    EXPECT_TRUE(starter.started.isEmpty());

    // Yes closes the window without its own question.
    messages.answer(true);
    w->commands().action(QStringLiteral("admUzytkownicy"))->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->tag(), 1);
    EXPECT_EQ(messages.questions().size(), 2);
    EXPECT_FALSE(messages.questions().contains(TfrmMainST::kCloseQuestion));
}

TEST_F(MainWindowTest, ClosingAsksAndNoKeepsTheProgramOpen)
{
    auto w = makeWindow();
    w->show();
    openBrowser(*w);
    messages.answer(false);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->area().subWindowList().size(), 1);

    messages.answer(true);
    w->close();
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->area().subWindowList().isEmpty());
    EXPECT_EQ(messages.questions(), QStringList(2, TfrmMainST::kCloseQuestion));
}

TEST_F(MainWindowTest, AWindowOpenAlreadyIsBroughtToTheFront)
{
    auto w = makeWindow();
    w->show();
    QPointer<QWidget> browser;
    int created = 0;
    const auto create = [&created] {
        ++created;
        return new FakeAssetBrowser;
    };
    ASSERT_TRUE(w->windows().OpenOnce(browser, create));
    w->windows().ShowChild(browser);
    QPointer<QWidget> other;
    ASSERT_TRUE(w->windows().OpenOnce(other, [] { return new QWidget; }));
    w->windows().ShowChild(other);
    browser->parentWidget()->showMinimized();

    EXPECT_FALSE(w->windows().OpenOnce(browser, create));
    EXPECT_EQ(created, 1);
    EXPECT_EQ(w->area().subWindowList().size(), 2);
    EXPECT_EQ(w->area().activeSubWindow()->widget(), browser.data());
    EXPECT_FALSE(w->area().activeSubWindow()->isMinimized());
    // Child windows fill the client area.
    EXPECT_EQ(w->area().activeSubWindow()->size(), w->area().viewport()->size());

    // A dialog that exists is not made twice; a failing creation is told.
    QPointer<QWidget> dialog(new QDialog(w.get()));
    EXPECT_FALSE(w->windows().OpenOnce(dialog, [] { return new QDialog; }));
    EXPECT_EQ(messages.texts().last(), kWindowExistsText);
    QPointer<QWidget> broken;
    EXPECT_FALSE(
        w->windows().OpenOnce(broken, []() -> QWidget* { throw std::runtime_error("x"); }));
    EXPECT_EQ(messages.texts().last(), kWindowCreateFailedText);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    delete dialog.data();
}

TEST_F(MainWindowTest, RecordEditorShowsOnlyAPreparedRecord)
{
    auto w = makeWindow();
    struct Case
    {
        WindowHelpers::Prepared prepared;
        EditorMode mode;
        bool mixedCase;
        bool shown;
        QString caption;
    };
    const Case cases[] = {
        {WindowHelpers::Prepared::Ready, EditorMode::Edit, false, true, "ROK - [EDYCJA]"},
        {WindowHelpers::Prepared::Ready, EditorMode::New, true, true, "ROK - [Wprowadzanie]"},
        {WindowHelpers::Prepared::Ready, EditorMode::View, false, true, "ROK - [PRZEGLĄD]"},
        {WindowHelpers::Prepared::HeldByOther, EditorMode::Edit, false, false, "ROK"},
        {WindowHelpers::Prepared::NotFound, EditorMode::Edit, false, false, "ROK"},
    };
    for (const Case& c : cases) {
        messages.clear();
        auto* dialog = new QDialog(w.get());
        dialog->setWindowTitle(QStringLiteral("ROK"));
        QString captionShown;
        bool shown = false;
        QTimer::singleShot(0, dialog, [dialog, &captionShown, &shown] {
            shown = true;
            captionShown = dialog->windowTitle();
            dialog->accept();
        });
        bool accepted = false;
        QPointer<QWidget> reference(dialog);
        WindowHelpers::RecordEditor editor{[&c](EditorMode) { return c.prepared; },
                                           [&accepted](bool ok) { accepted = ok; }};
        const int result = w->windows().ShowRecordEditor(reference, editor, c.mode, c.mixedCase);
        EXPECT_EQ(shown, c.shown) << qPrintable(c.caption);
        EXPECT_EQ(result == QDialog::Accepted, c.shown);
        EXPECT_EQ(accepted, c.shown);
        EXPECT_TRUE(reference.isNull());
        if (c.shown) {
            EXPECT_EQ(captionShown, c.caption);
        }
        const bool told = c.prepared == WindowHelpers::Prepared::HeldByOther;
        EXPECT_EQ(messages.texts().contains(kRecordHeldText), told) << qPrintable(c.caption);
        QApplication::processEvents();
    }
}

TEST_F(MainWindowTest, BackgroundShowsWhileNoChildWindowIsOpen)
{
    auto w = makeWindow();
    w->show();
    w->updateBackground();
    EXPECT_TRUE(w->background().isVisible());
    EXPECT_FALSE(w->background().dealerPictureShown());
    EXPECT_TRUE(w->background().moduleLabel()->text().endsWith(QStringLiteral(" - 0.1")));
    openBrowser(*w);
    w->updateBackground();
    EXPECT_FALSE(w->background().isVisible());
    w->closeAllChildren();
    QApplication::processEvents();
    w->updateBackground();
    EXPECT_TRUE(w->background().isVisible());
}

TEST_F(MainWindowTest, BandsFollowThePopupAndTheLayoutIsKeptPerUser)
{
    state.yearLabel = QStringLiteral("2026");
    {
        auto w = makeWindow();
        w->show();
        EXPECT_EQ(w->bands().yearLabel()->text(), QStringLiteral("2026"));
        EXPECT_EQ(w->bands().firmLabel()->text(), QStringLiteral("Firma Testowa"));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("sbrUser"))->text(),
                  QStringLiteral("Jan Kowalski"));
        QAction* year = w->bands().popupMenu()->findChild<QAction*>(QStringLiteral("pmiRok"));
        ASSERT_NE(year, nullptr);
        year->trigger();
        EXPECT_FALSE(year->isChecked());
        EXPECT_TRUE(w->bands().band(QStringLiteral("pnlRok"))->isHidden());
        w->setTag(1);
        w->close();
    }
    auto again = makeWindow();
    again->show();
    EXPECT_TRUE(again->bands().band(QStringLiteral("pnlRok"))->isHidden());
    EXPECT_FALSE(again->bands().band(QStringLiteral("pnlFirma"))->isHidden());
}

TEST_F(MainWindowTest, PeriodicRefreshRereadsOpenListsUnlessBusy)
{
    auto w = makeWindow();
    int refreshed = 0;
    w->addRefreshStep([&refreshed] { ++refreshed; });
    for (int i = 0; i < PeriodicRefresh::kTicks; ++i)
        w->clockTick();
    EXPECT_EQ(refreshed, 1);
    {
        BusyScope operation;
        for (int i = 0; i < PeriodicRefresh::kTicks; ++i)
            w->clockTick();
    }
    EXPECT_EQ(refreshed, 1);
}

TEST_F(MainWindowTest, ChangesOfFirmUserAndClassificationWaitForOpenWindowsToClose)
{
    auto w = makeWindow();
    MainCommands own(*w, {});
    int dialogs = 0;
    own.setClassificationTableDialog([&dialogs] { ++dialogs; });
    w->show();
    openBrowser(*w);

    w->commands().action(QStringLiteral("zmianaFirmy"))->trigger();
    w->commands().action(QStringLiteral("wejdzJako"))->trigger();
    messages.answer(true);
    w->commands().action(QStringLiteral("wyborKst"))->trigger();
    EXPECT_EQ(
        messages.texts(),
        (QStringList{
            QStringLiteral("Przed zmianą firmy należy zamknąć wszystkie aktywne okna programu."),
            QStringLiteral("Proszę zamknąć wszystkie aktywne okna i ponowić próbę."),
            kClassificationChoiceQuestion,
            QStringLiteral(
                "Przed wyborem tabeli KŚT należy zamknąć wszystkie aktywne okna programu.")}));
    EXPECT_EQ(dialogs, 0);

    w->closeAllChildren();
    QApplication::processEvents();
    messages.clear();
    messages.answers({false, true});
    w->commands().action(QStringLiteral("wyborKst"))->trigger();
    EXPECT_EQ(dialogs, 0);
    w->commands().action(QStringLiteral("wyborKst"))->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(messages.texts(), QStringList(2, kClassificationChoiceQuestion));
}
