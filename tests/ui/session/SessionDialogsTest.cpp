#include "LoginFixture.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Session.h"
#include "store/Schema.h"
#include "store/Scope.h"
#include "support/TestEnv.h"
#include "common/TextExport.h"
#include "ui/grid/ExportGridToText.h"
#include "ui/session/FirmDialog.h"
#include "ui/session/LoginDialog.h"
#include "ui/session/YearChooserDialog.h"
#include "ui/session/YearEditorDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "ui/grid/TDBGridSel.h"
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

TEST(LoginDialog, UpperCaseIdentifierAndEmptyOneRefused)
{
    ScriptedMessages messages;
    TfrmLogin dialog(messages);
    dialog.show();
    dialog.identifierEdit()->setText(QStringLiteral("STARY"));
    dialog.passwordEdit()->setText(QStringLiteral("haslo"));
    dialog.prepare(); // as every showing does
    EXPECT_TRUE(dialog.identifierEdit()->text().isEmpty());
    EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
    EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);

    QTest::keyClicks(dialog.identifierEdit(), QStringLiteral("admin123xyz"));
    EXPECT_EQ(dialog.identifierEdit()->text(), QStringLiteral("ADMIN123"));

    dialog.identifierEdit()->setText(QStringLiteral("   "));
    dialog.confirm();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages()[0].text,
              QStringLiteral("Należy podać identyfikator użytkownika."));

    dialog.identifierEdit()->setText(QStringLiteral("JAN"));
    dialog.confirm();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FirmDialog, StartsOnTheCurrentFirmAndNeedsOneToChoose)
{
    TfrmBrFirm dialog;
    const QList<FirmListEntry> firms{
        {10, QStringLiteral("Alfa Sp. z o.o."), QStringLiteral("Alfa"), 1},
        {20, QStringLiteral("Beta S.A."), QStringLiteral("Beta"), 2}};
    dialog.fill(firms, true, QStringLiteral("ST"), 20);
    EXPECT_EQ(dialog.currentFirm(), 20);
    EXPECT_TRUE(dialog.chooseButton()->isEnabled());
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(2), QStringLiteral("2"));
    EXPECT_EQ(dialog.note()->text(),
              QStringLiteral("Uwaga : Poniższa lista zawiera wyłącznie te firmy w module ST, "
                             "do których bieżący użytkownik ma prawo dostępu."));
    dialog.fill(firms, false, QStringLiteral("ST"), 99);
    EXPECT_EQ(dialog.currentFirm(), 10); // no current firm listed: the first
    dialog.fill({}, false, QStringLiteral("ST"), 0);
    EXPECT_FALSE(dialog.chooseButton()->isEnabled());
    EXPECT_FALSE(dialog.currentFirm().has_value());
}

struct NoStarter : ProcessStarter
{
    bool startDetached(const QString&, const QStringList&) override { return false; }
};

// A session opened on a one-firm installation, for the year windows.
class YearWindowsTest : public ::testing::Test, public LoginFixture
{
protected:
    YearWindowsTest() : chooser(sessionMessages)
    {
        qputenv("VORN_LOCK_DIR", FreshDir(QStringLiteral("ui-locks")).toUtf8());
        OpenOptions create;
        create.createSchema = true;
        create.synchronousWrites = false;
        OpenScope(Scope::Global, GlobalFolder(root), create);
        userId = addUser(QStringLiteral("ADMIN"), QString());
        const qint64 firm = addFirm(1, QStringLiteral("Firma"));
        grantFirm(userId, firm, RightsWith({81, 82}));
        setLastFirm(userId, firm);
        auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, 1));
        firmDb->exec(
            QStringLiteral("INSERT INTO F00001ST (ID, ROK, DATA_POCZ, DATA_KONCA, ZAMKNIETYDO) "
                           "VALUES (1, 2010, '2010-07-01', '2011-06-30', '2010-06-30')"));
        firmDb.reset();
        session = std::make_unique<Session>(
            *store, SessionUi{sessionMessages, prompt, picker, chooser}, workstation, starter);
        chooser.setSession(session.get());
        EXPECT_TRUE(session->Start());
    }
    ~YearWindowsTest() override { session->Shutdown(); }

    qint64 userId = 0;
    ScriptedMessages sessionMessages;
    QtYearChooser chooser;
    NoStarter starter;
    std::unique_ptr<Session> session;
};

TEST_F(YearWindowsTest, EditorProposesAndKeepsRefusedInput)
{
    ScriptedMessages m;
    TfrmEditRok editor(*session->fiscalYears(), m);
    editor.show();
    EXPECT_EQ(editor.yearEdit()->text(), QStringLiteral("2011"));
    EXPECT_EQ(editor.startEdit()->text(), QStringLiteral("01-07-2011"));
    EXPECT_FALSE(editor.startEdit()->isEnabled());
    EXPECT_EQ(editor.endEdit()->text(), QStringLiteral("31-12-2011"));

    editor.endEdit()->setText(QStringLiteral("30-12-2011"));
    editor.confirm();
    EXPECT_NE(editor.result(), QDialog::Accepted);
    EXPECT_EQ(m.messages().last().text,
              QStringLiteral("Data końca roku musi być datą końca miesiąca."));
    EXPECT_EQ(editor.endEdit()->text(), QStringLiteral("30-12-2011"));
    EXPECT_TRUE(editor.endEdit()->hasFocus() || !QApplication::focusWidget());

    editor.endEdit()->setText(QStringLiteral("31-12-2011"));
    editor.confirm();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(session->fiscalYears()->years().size(), 2);
    EXPECT_EQ(session->fiscalYears()->years().last().zamknietyDo, QDate(2010, 6, 30));
}

TEST_F(YearWindowsTest, ChooserButtonsFollowRightsAndRows)
{
    ScriptedMessages m;
    {
        TfrmGetRok chooserWindow(*session, m);
        EXPECT_EQ(chooserWindow.windowTitle(), QStringLiteral("WYBÓR ROKU "));
        EXPECT_EQ(chooserWindow.rowCount(), 1);
        EXPECT_EQ(chooserWindow.grid()->cellText(chooserWindow.grid()->model()->index(0, 1)),
                  QStringLiteral("01-07-2010"));
        EXPECT_TRUE(chooserWindow.chooseButton()->isEnabled());
        EXPECT_TRUE(chooserWindow.newButton()->isEnabled());
        EXPECT_TRUE(chooserWindow.deleteButton()->isEnabled());
        EXPECT_EQ(chooserWindow.currentRok(), 2010);
    }
    session->state().user.FirmRights = RightsWith({81});
    TfrmGetRok limited(*session, m);
    EXPECT_TRUE(limited.newButton()->isEnabled());
    EXPECT_FALSE(limited.deleteButton()->isEnabled());
    session->state().user.FirmRights = RightsWith({});
    TfrmGetRok none(*session, m);
    EXPECT_FALSE(none.newButton()->isEnabled());
    none.newYear(); // the key reaches it even so
    ASSERT_EQ(m.messages().size(), 1);
    EXPECT_EQ(m.messages()[0].code, QStringLiteral("AD_0134"));
}

TEST_F(YearWindowsTest, ChooserKeepsItsLayoutAndExportsRokTxt)
{
    ScriptedMessages m;
    const QString profile = FreshDir(QStringLiteral("br")) + QStringLiteral("/Br.ini");
    {
        TfrmGetRok first(*session, m);
        first.keepLayoutIn(profile);
        first.show();
        first.grid()->setColumnWidth(0, 141);
        first.hide(); // closing stores the layout
    }
    TfrmGetRok second(*session, m);
    second.keepLayoutIn(profile);
    second.show();
    EXPECT_EQ(second.grid()->columnWidth(0), 141);

    const QString file = FreshDir(QStringLiteral("rok")) + QStringLiteral("/Rok.txt");
    QString proposed;
    ASSERT_TRUE(ExportGridToText(*second.grid(), QStringLiteral("Rok.txt"), m, [&](const QString& p) {
        proposed = p;
        return file;
    }));
    EXPECT_EQ(proposed, QStringLiteral("Rok.txt"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecodeWindows1250(f.readAll()),
              QStringLiteral("NUMER ROKU\tPOCZĄTEK ROKU\tKONIEC ROKU\tZAMKNIĘTY DO\t\r\n"
                             "2010\t01-07-2010\t30-06-2011\t30-06-2010\t\r\n"));
}

TEST_F(YearWindowsTest, DeletingTheOnlyYearEmptiesTheChooser)
{
    // The year service asks through the session's messages.
    sessionMessages.answer(true);
    ScriptedMessages m;
    TfrmGetRok chooserWindow(*session, m);
    chooserWindow.deleteYear();
    EXPECT_EQ(sessionMessages.messages().last().text,
              QStringLiteral("Czy chcesz usunąć rok \"2010\" ?"));
    EXPECT_EQ(chooserWindow.rowCount(), 0);
    EXPECT_FALSE(chooserWindow.chooseButton()->isEnabled());
    EXPECT_FALSE(chooserWindow.deleteButton()->isEnabled());
    EXPECT_FALSE(chooserWindow.currentRok().has_value());
}

} // namespace
