#include "ui/grid/TGridColumns.h"
#include "GridFixture.h"

#include <QListWidget>
#include <QPushButton>

using namespace vorn;
using namespace vorn::test;

namespace {

class ColumnsEditor : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        columns.setGrid(grid); // the window's default layout
    }

    QStringList listed(const TfrmColumnsEditor& editor) const
    {
        QStringList lines;
        for (const GridColumnLayoutEntry& c : editor.listedColumns())
            lines.append(c.field + (c.visible ? "+" : "-"));
        return lines;
    }

    QStringList shown() const
    {
        QStringList fields;
        for (int c : grid->visibleColumns())
            fields.append(grid->fieldOfColumn(c));
        return fields;
    }

    TGridColumns columns;
};

TEST_F(ColumnsEditor, StoredLayoutWithoutANewColumnOffersItUncheckedAtTheEnd)
{
    // The user's stored layout from before WART_ZAKT existed.
    grid->applyColumnLayout({{"NAZWA", "Nazwa", true, 200}, {"ID", "Id", true, 40}});
    EXPECT_EQ(shown(), QStringList({"NAZWA", "ID"}));
    TfrmColumnsEditor editor(*grid, columns.defaultLayout());
    EXPECT_EQ(listed(editor), QStringList({"NAZWA+", "ID+", "WART_ZAKT-"}));
    EXPECT_EQ(editor.lstKolumny->item(2)->text(), QStringLiteral("Wartość"));
}

TEST_F(ColumnsEditor, RestoreThenCancelLeavesTheGrid)
{
    grid->applyColumnLayout({{"WART_ZAKT", "Wartość", true, 90},
                             {"NAZWA", "Nazwa", true, 200},
                             {"ID", "Id", false, 40}});
    const QList<GridColumnLayoutEntry> before = grid->columnLayout();
    {
        TfrmColumnsEditor editor(*grid, columns.defaultLayout());
        editor.show();
        editor.btnDomyslne->click();
        EXPECT_EQ(listed(editor), QStringList({"ID+", "NAZWA+", "WART_ZAKT+"}));
        editor.btnAnuluj->click();
    }
    EXPECT_EQ(grid->columnLayout(), before);

    TfrmColumnsEditor editor(*grid, columns.defaultLayout());
    editor.show();
    editor.btnDomyslne->click();
    editor.btnOK->click();
    EXPECT_EQ(shown(), QStringList({"ID", "NAZWA", "WART_ZAKT"}));
}

TEST_F(ColumnsEditor, OrderVisibilityAndTitlesTravelToTheGrid)
{
    TfrmColumnsEditor editor(*grid, columns.defaultLayout());
    editor.show();
    editor.lstKolumny->setCurrentRow(0);
    editor.btnGora->click(); // not past the beginning
    editor.btnDol->click();
    editor.btnDol->click();
    editor.btnDol->click(); // not past the end
    EXPECT_EQ(listed(editor), QStringList({"NAZWA+", "WART_ZAKT+", "ID+"}));
    editor.btnOdznacz->click();
    EXPECT_EQ(listed(editor), QStringList({"NAZWA-", "WART_ZAKT-", "ID-"}));
    editor.btnZaznacz->click();
    editor.lstKolumny->item(2)->setCheckState(Qt::Unchecked);
    editor.lstKolumny->item(1)->setText(QStringLiteral("Wartość zaktualizowana"));
    editor.btnOK->click();

    EXPECT_EQ(shown(), QStringList({"NAZWA", "WART_ZAKT"}));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("Wartość zaktualizowana"));
    EXPECT_TRUE(grid->isColumnHidden(0));
}

TEST_F(ColumnsEditor, EscAndCtrlEnterReachTheButtons)
{
    TfrmColumnsEditor editor(*grid, columns.defaultLayout());
    editor.show();
    QApplication::setActiveWindow(&editor);
    editor.lstKolumny->setFocus();
    QTest::keyClick(editor.lstKolumny, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), editor.btnAnuluj);
    EXPECT_TRUE(editor.isVisible());
    QTest::keyClick(editor.btnAnuluj, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor.btnOK);
}

} // namespace
