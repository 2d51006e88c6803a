#include "ui/grid/DialogKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// A data-entry dialog: two fields, a drop-down list, a memo, a grid and the two buttons.
class DialogKeysFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        first = add<QLineEdit>(layout, "edtPierwsze");
        second = add<QLineEdit>(layout, "edtDrugie");
        combo = add<QComboBox>(layout, "cbxRodzaj");
        combo->addItems({"A", "B"});
        memo = add<QPlainTextEdit>(layout, "memUwagi");
        memo->setPlainText("pierwsza\ndruga");
        grid = add<QTableView>(layout, "grdPozycje");
        ok = add<QPushButton>(layout, "BtnOk");
        cancel = add<QPushButton>(layout, "btnAnuluj");
        DialogKeys::install(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        first->setFocus();
    }

    template <class W> W* add(QVBoxLayout* layout, const char* name)
    {
        auto* w = new W(&dialog);
        w->setObjectName(QString::fromLatin1(name));
        layout->addWidget(w);
        return w;
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    QDialog dialog;
    QLineEdit* first;
    QLineEdit* second;
    QComboBox* combo;
    QPlainTextEdit* memo;
    QTableView* grid;
    QPushButton* ok;
    QPushButton* cancel;
};

TEST_F(DialogKeysFixture, EnterUpAndDownMoveBetweenFields)
{
    ASSERT_EQ(focused(), first);
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), second);
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), first);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), second);
    press(Qt::Key_Return, Qt::ShiftModifier); // held Shift: left to the field
    EXPECT_EQ(focused(), second);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogKeysFixture, MemoGivesArrowsAwayOnlyAtItsEdges)
{
    memo->setFocus();
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::Start);
    memo->setTextCursor(cursor);
    press(Qt::Key_Down); // first of two lines: the memo moves its caret
    EXPECT_EQ(focused(), memo);
    press(Qt::Key_Return); // a memo keeps Enter
    EXPECT_EQ(focused(), memo);
    cursor.movePosition(QTextCursor::End);
    memo->setTextCursor(cursor);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), grid);
    press(Qt::Key_Up); // a grid keeps its arrows
    EXPECT_EQ(focused(), grid);
}

TEST_F(DialogKeysFixture, CtrlEnterAndEscGoToTheButtonsAndBack)
{
    second->setFocus();
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(focused(), ok); // "btnOK" found whatever its case
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), second); // back to the remembered field
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), cancel);
    EXPECT_TRUE(dialog.isVisible()); // Esc does not close a data-entry dialog
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), second);
}

TEST_F(DialogKeysFixture, EscOnAButtonWithNothingRememberedGoesToTheOther)
{
    ok->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), cancel);
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), ok);
}

TEST_F(DialogKeysFixture, RememberedFieldGoneMeansTheOtherButton)
{
    second->setFocus();
    press(Qt::Key_Escape);
    ASSERT_EQ(focused(), cancel);
    second->setEnabled(false);
    press(Qt::Key_Escape);
    EXPECT_EQ(focused(), ok);
}

TEST_F(DialogKeysFixture, F12GoesToTheGridAndEnterThereIsTheGrids)
{
    press(Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(focused(), grid);
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), grid);
}

TEST_F(DialogKeysFixture, EnterDropsAClosedListDown)
{
    combo->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
}

} // namespace
