#include "ui/grid/TGridSearch.h"
#include "GridFixture.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

using namespace vorn;
using namespace vorn::test;

namespace {

class GridSearch : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        search.setGrid(grid);
        search.setMessages(&messages);
        dialog = std::make_unique<TfrmSzukaj>(search);
        dialog->show();
    }

    void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, dialog->edtSzukaj, Qt::Key(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }

    int currentRow() const { return grid->currentIndex().row(); }

    TGridSearch search;
    std::unique_ptr<TfrmSzukaj> dialog;
};

TEST_F(GridSearch, FromTheBeginningOrAnywhere)
{
    grid->setCurrentIndex(model->index(2, 1));
    dialog->cbxOnChange->setChecked(false);
    dialog->edtSzukaj->setText(QStringLiteral("kom"));
    dialog->btnZnajdz->click();
    EXPECT_EQ(currentRow(), 1); // "Komputer", not "Stacja komputerowa"
    messages.answer(false);
    dialog->btnNastepny->click();
    EXPECT_EQ(currentRow(), 1); // no other match; the question answered No keeps it
    EXPECT_EQ(messages.questions(), QStringList{QStringLiteral("Czy szukać od początku zbioru?")});

    messages.clear();
    dialog->cbxPartialKey->setChecked(false);
    dialog->btnZnajdz->click();
    EXPECT_EQ(currentRow(), 0);
    dialog->btnNastepny->click();
    EXPECT_EQ(currentRow(), 1);
    EXPECT_TRUE(messages.questions().isEmpty());
    EXPECT_TRUE(dialog->isVisible()); // "Znajdź" leaves the dialog open
}

TEST_F(GridSearch, CaseAndPolishLetters)
{
    dialog->cbxOnChange->setChecked(false);
    dialog->edtSzukaj->setText(QStringLiteral("żur"));
    dialog->btnZnajdz->click();
    EXPECT_EQ(currentRow(), 3);

    dialog->cbxCaseInsensitive->setChecked(true); // checked: letters' case counts
    EXPECT_FALSE(search.SearchOptions.soCaseInsensitive);
    grid->setCurrentIndex(model->index(0, 1));
    dialog->btnZnajdz->click();
    EXPECT_EQ(currentRow(), 0);
    EXPECT_TRUE(messages.questions().isEmpty()); // a first search asks nothing
}

TEST_F(GridSearch, AmountsAreSearchedAsShown)
{
    dialog->cbxOnChange->setChecked(false);
    grid->setCurrentIndex(model->index(0, 2));
    dialog->edtSzukaj->setText(QStringLiteral("12 345,6"));
    dialog->btnZnajdz->click();
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(grid->currentIndex().column(), 2);
}

TEST_F(GridSearch, ButtonOpensOneDialogAndNoneOnAnEmptyGrid)
{
    dialog.reset();
    int opened = 0;
    QTimer::singleShot(0, [&] {
        TfrmSzukaj* shown = search.dialog();
        ASSERT_NE(shown, nullptr);
        ++opened;
        search.openSearch(); // a second one is refused while the first is up
        EXPECT_EQ(search.dialog(), shown);
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Znajdź po \"Nazwa\"."));
        shown->btnZamknij->click();
    });
    search.click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(search.dialog(), nullptr); // gone when closed

    model->setRows({});
    search.click(); // would wait for a modal dialog if one opened
    EXPECT_EQ(search.dialog(), nullptr);
}

TEST_F(GridSearch, EveryChangeSearchesFromTheFirstRecord)
{
    grid->setCurrentIndex(model->index(3, 1));
    type(QStringLiteral("Bi"));
    EXPECT_EQ(currentRow(), 2);
    dialog->edtSzukaj->clear();
    type(QStringLiteral("Ż"));
    EXPECT_EQ(currentRow(), 3);
}

TEST_F(GridSearch, NextPastTheLastMatchOffersTheBeginning)
{
    dialog->cbxOnChange->setChecked(false);
    dialog->cbxPartialKey->setChecked(false);
    dialog->edtSzukaj->setText(QStringLiteral("kom"));
    grid->setCurrentIndex(model->index(1, 1));
    messages.answer(true);
    QTest::keyClick(dialog.get(), Qt::Key_F3);
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(messages.questions().size(), 1);

    search.DefaultEOFQuestion = false;
    grid->setCurrentIndex(model->index(1, 1));
    dialog->btnNastepny->click();
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(messages.questions().size(), 1);
}

TEST_F(GridSearch, SettingsOnlyWithAProfileFile)
{
    const QString dir = FreshDir(QStringLiteral("grid_search"));
    const QString file = dir + QStringLiteral("/Dlg.ini");
    ASSERT_TRUE(search.activateStore(file));
    dialog->cbxOptions->setChecked(true);
    dialog->edtSzukaj->setText(QStringLiteral("kom"));
    dialog->close();
    EXPECT_FALSE(QFile::exists(file)); // no "Dlg" file yet: nothing is stored

    {
        QFile create(file);
        ASSERT_TRUE(create.open(QIODevice::WriteOnly));
    }
    dialog = std::make_unique<TfrmSzukaj>(search);
    dialog->show();
    EXPECT_FALSE(dialog->cbxOptions->isChecked()); // missing keys read as "False"
    EXPECT_FALSE(dialog->cbxOnChange->isChecked());
    dialog->cbxOptions->setChecked(true);
    dialog->cbxPartialKey->setChecked(true);
    dialog->edtSzukaj->setText(QStringLiteral("Żuraw"));
    grid->setCurrentIndex(model->index(0, 1));
    dialog->close();
    {
        QSettings ini(file, QSettings::IniFormat);
        EXPECT_EQ(ini.value("SZUKANIE/cbxOptions_Checked").toString(), QStringLiteral("True"));
        EXPECT_EQ(ini.value("SZUKANIE/cbxOnChange_Checked").toString(), QStringLiteral("False"));
        EXPECT_EQ(ini.value("SZUKANIE/edtSzukaj_Text").toString(), QStringLiteral("Żuraw"));
    }

    dialog = std::make_unique<TfrmSzukaj>(search);
    dialog->show();
    EXPECT_TRUE(dialog->cbxOptions->isChecked());
    EXPECT_TRUE(dialog->cbxOnChange->isEnabled());
    EXPECT_TRUE(dialog->cbxPartialKey->isChecked());
    EXPECT_EQ(dialog->edtSzukaj->text(), QStringLiteral("Żuraw"));
    EXPECT_EQ(currentRow(), 0); // loading the text searches nothing
}

TEST_F(GridSearch, StoreNeedsFileAndSection)
{
    EXPECT_FALSE(search.activateStore(QString()));
    EXPECT_FALSE(search.activateStore(QStringLiteral("/tmp/x/Dlg.ini"), QString()));
    EXPECT_FALSE(search.storeOptions().Active);
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("Wymagane \"IniFileName\"."),
                                             QStringLiteral("Wymagane \"IniSection\".")}));
    EXPECT_EQ(messages.messages().first().caption, QStringLiteral("Błąd"));
}

TEST_F(GridSearch, CaptionNamesTheColumn)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Znajdź po \"Nazwa\"."));
}

} // namespace
