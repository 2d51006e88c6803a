#include "GridFixture.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace vorn;
using namespace vorn::test;

namespace {

using GridSel = GridFixture;

TEST_F(GridSel, SpaceMarksAndMovesOnButStaysOnTheLastRecord)
{
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(marks.List(), QStringLiteral("4"));
    EXPECT_EQ(grid->currentIndex().row(), 1);

    grid->setCurrentIndex(model->index(3, 1));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(marks.List(), QStringLiteral("4,9"));
    EXPECT_EQ(grid->currentIndex().row(), 3);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(marks.List(), QStringLiteral("4"));
    EXPECT_EQ(grid->currentIndex().row(), 3);
}

TEST_F(GridSel, MarkingNeedsItsSetAndANumberField)
{
    grid->selecting().Field = QStringLiteral("NAZWA"); // not a number: nothing is marked
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(marks.Count(), 0);

    grid->selecting().Field = QStringLiteral("ID");
    grid->selecting().Active = false;
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(marks.Count(), 0);
}

TEST_F(GridSel, KeypadPlusAndMinusAskFirst)
{
    messages.answers({false, true});
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(marks.Count(), 0);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(marks.List(), QStringLiteral("2,4,7,9"));
    EXPECT_EQ(messages.questions(),
              QStringList({QStringLiteral("Czy chcesz zaznaczyć wszystkie pozycje?"),
                           QStringLiteral("Czy chcesz zaznaczyć wszystkie pozycje?")}));

    messages.clear();
    messages.answer(true);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(marks.Count(), 0);
    EXPECT_EQ(messages.questions(),
              QStringList({QStringLiteral("Czy chcesz odznaczyć wszystkie pozycje?")}));

    // Without the question, and the plain plus of the main keyboard marks nothing.
    grid->selecting().Question = false;
    QTest::keyClick(grid, Qt::Key_Plus);
    EXPECT_EQ(marks.Count(), 0);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(marks.Count(), 4);
    EXPECT_EQ(messages.questions().size(), 1);

    // A question nobody can answer is a No.
    marks.SetAll(0);
    grid->selecting().Question = true;
    grid->setMessages(nullptr);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(marks.Count(), 0);
}

// A model that would delete whatever a view asked it to.
class DeletingModel : public RowListModel
{
public:
    using RowListModel::RowListModel;
    bool removeRows(int, int, const QModelIndex&) override
    {
        ++removals;
        return true;
    }
    int removals = 0;
};

TEST_F(GridSel, CtrlDeleteIsSwallowed)
{
    DeletingModel deleting(QList<RowListModel::Column>{{"ID", "Id"}, {"NAZWA", "Nazwa"}});
    deleting.setRows({AssetRow(1, "A", 1), AssetRow(2, "B", 2)});
    grid->setModel(&deleting);
    grid->setCurrentIndex(deleting.index(0, 0));

    bool reachedWindow = false;
    struct Watcher : QObject
    {
        bool* reached;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete)
                *reached = true;
            return false;
        }
    } watcher;
    watcher.reached = &reachedWindow;
    window->installEventFilter(&watcher);

    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deleting.removals, 0);
    EXPECT_EQ(deleting.rowCount(), 2);
    EXPECT_FALSE(reachedWindow);
}

void clickTitle(TDBGridSel* grid, int column)
{
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

TEST_F(GridSel, TitleClickSortsOnlyByValidFields)
{
    grid->sorting().Active = true;
    grid->sorting().ValidFields = QStringLiteral("Nazwa;NR_INWENT");
    const QStringList before = names();
    int reactions = 0;
    QObject::connect(grid, &TDBGridSel::titleClicked, [&](int, const QString&) { ++reactions; });

    clickTitle(grid, 2); // WART_ZAKT
    EXPECT_EQ(names(), before);
    EXPECT_TRUE(grid->sorting().Current.isEmpty());
    EXPECT_TRUE(model->indexFieldNames().isEmpty());

    clickTitle(grid, 1);
    EXPECT_EQ(grid->sorting().Current, QStringLiteral("NAZWA"));
    EXPECT_EQ(names(),
              QStringList({"Biurko", "Komputer", "Stacja komputerowa", QStringLiteral("Żuraw")}));
    EXPECT_EQ(reactions, 2);

    grid->sorting().Active = false;
    clickTitle(grid, 0);
    EXPECT_EQ(model->indexFieldNames(), QStringLiteral("NAZWA"));
}

TEST_F(GridSel, EnterAndDoubleClickPressTheWindowsButton)
{
    QPushButton modal(window.get());
    QPushButton mdi(window.get());
    int modalClicks = 0;
    int mdiClicks = 0;
    QObject::connect(&modal, &QPushButton::clicked, [&] { ++modalClicks; });
    QObject::connect(&mdi, &QPushButton::clicked, [&] { ++mdiClicks; });
    grid->setButtonModal(&modal);
    grid->setButtonMDI(&mdi);

    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(modalClicks, 1);
    const QRect cell = grid->visualRect(model->index(1, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(modalClicks, 2);
    modal.setEnabled(false);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(modalClicks, 2);
    EXPECT_EQ(mdiClicks, 0);

    // In a child window of the frame, the child window's button.
    QMdiArea frame;
    QWidget* child = new QWidget;
    grid->setParent(child);
    frame.addSubWindow(child);
    frame.show();
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(mdiClicks, 1);
    EXPECT_EQ(modalClicks, 2);
    grid->setParent(window.get());
}

TEST_F(GridSel, CellColoursInTheirOrder)
{
    marks.Set(4, 1);
    marks.Set(2, 1);
    grid->sorting().Active = true;
    grid->sorting().ValidFields = QStringLiteral("NAZWA");
    grid->sorting().Current = QStringLiteral("NAZWA");
    grid->setCurrentIndex(model->index(0, 1)); // ID 4, marked
    ASSERT_TRUE(grid->hasFocus());

    const GridCellLook current = grid->cellLook(model->index(0, 1));
    EXPECT_EQ(current.background, QColor(0, 0, 128));
    EXPECT_EQ(current.foreground, QColor(Qt::white));
    const GridCellLook marked = grid->cellLook(model->index(2, 1)); // ID 2, sorted column
    EXPECT_EQ(marked.background, QColor(0, 255, 0));
    EXPECT_EQ(marked.foreground, QColor(Qt::black));
    const GridCellLook sorted = grid->cellLook(model->index(1, 1));
    EXPECT_EQ(sorted.foreground, QColor(Qt::red));
    EXPECT_FALSE(grid->cellLook(model->index(1, 2)).custom);

    grid->clearFocus();
    const GridCellLook inactive = grid->cellLook(model->index(0, 1));
    EXPECT_EQ(inactive.background, grid->BgInactive);
    EXPECT_EQ(inactive.foreground, grid->FgInactive);
}

TEST_F(GridSel, SortMarkFollowsTheModelsOwnOrder)
{
    grid->sorting().Active = true;
    grid->sorting().ValidFields = QStringLiteral("NAZWA;ID");
    grid->sorting().Current = QStringLiteral("NAZWA");
    model->setIndexFieldNames(QStringLiteral("ID"));
    grid->cellLook(model->index(1, 0));
    EXPECT_EQ(grid->sorting().Current, QStringLiteral("ID"));
    model->setIndexFieldNames(QStringLiteral("WART_ZAKT"));
    grid->cellLook(model->index(1, 0));
    EXPECT_EQ(grid->sorting().Current, QStringLiteral("ID"));
}

TEST_F(GridSel, AmountsAndDatesAsShown)
{
    EXPECT_EQ(grid->cellText(model->index(1, 2)), QStringLiteral("12 345,67"));
    EXPECT_EQ(grid->cellText(model->index(1, 1)), QStringLiteral("Komputer"));
    RowListModel dated(QList<RowListModel::Column>{{"DATA1", "Data"}});
    dated.setRows({Row(QVariantMap{{"DATA1", QDate(2003, 5, 7)}}), Row()});
    grid->setModel(&dated);
    EXPECT_EQ(grid->cellText(dated.index(0, 0)), QStringLiteral("07-05-2003"));
    EXPECT_EQ(grid->cellText(dated.index(1, 0)), QString());
}

} // namespace
