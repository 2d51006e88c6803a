#pragma once

#include "common/GridRules.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QSet>
#include <QTableView>
#include <optional>

namespace vorn {

class TBitSelect;
class UserMessages;

// Sorting by a click on a column title. A model with the property "indexFieldNames"
// (RowListModel) is ordered by setting it; any other model is asked to sort the column.
struct TSorting
{
    bool Active = false;
    bool Bold = false; // font style of the sorted column's cells
    QColor Background = QColor(Qt::white);
    QColor Foreground = QColor(Qt::red);
    QString ValidFields; // "NR_INWENT;NAZWA"
    QString Current;     // the field the model is sorted by, upper case
};

// Marking of records into a selection set; a record's number is its integer field Field.
struct TSelecting
{
    bool Active = false;
    bool Bold = false;
    QColor Background = QColor(0, 255, 0);
    QColor Foreground = QColor(Qt::black);
    TBitSelect* BitSelect = nullptr;
    QString Field = QStringLiteral("ID");
    bool Question = true; // ask before marking or unmarking all
};

// How one cell is drawn; `custom` false means the grid's plain look.
struct GridCellLook
{
    bool custom = false;
    QColor background;
    QColor foreground;
    bool bold = false;
};

// The grid of every list: marks records into a selection set (Space, keypad + and -),
// sorts by a title click limited to the valid fields, colours sorted, marked and current
// cells, never deletes by keyboard, and lets Enter or a double-click press its window's
// button. Amount columns are shown as amounts.
class TDBGridSel : public QTableView
{
    Q_OBJECT

public:
    explicit TDBGridSel(QWidget* parent = nullptr);

    TSorting& sorting() { return m_sorting; }
    TSelecting& selecting() { return m_selecting; }
    // Questions of "mark all" and "unmark all" go here; while Question is on, a grid
    // without them marks nothing all at once.
    void setMessages(UserMessages* messages) { m_messages = messages; }

    bool newStyle() const { return m_newStyle; }
    void setNewStyle(bool on);
    QColor BgInactive;
    QColor FgInactive = QColor(Qt::white);

    // Buttons pressed by Enter or a double-click: in a child window of the main frame, and
    // in a window of its own.
    void setButtonMDI(QAbstractButton* button) { m_buttonMdi = button; }
    void setButtonModal(QAbstractButton* button) { m_buttonModal = button; }

    // Fields whose values are amounts: shown "### ### ### ##0.00", aligned right.
    void setMoneyFields(const QStringList& fields);
    bool isMoneyField(const QString& field) const { return m_money.contains(field.toUpper()); }

    // The three marking operations of the keys and of the window's tool buttons.
    void toggleCurrent();
    void markAll();
    void unmarkAll();

    // The record number of a row (its Field as an integer), if it has one.
    std::optional<int> recordNumber(int row) const;
    QString fieldOfColumn(int column) const;
    // A cell's text as the grid shows it: amounts "### ### ### ##0.00", dates
    // "dd-mm-yyyy", anything else the model's text.
    QString cellText(const QModelIndex& index) const;
    // Columns shown, in their order on screen (model column numbers).
    QList<int> visibleColumns() const;

    // The columns in screen order, hidden ones included, and their replacement by a
    // layout: columns the layout does not name are hidden after the named ones.
    QList<GridColumnLayoutEntry> columnLayout() const;
    void applyColumnLayout(const QList<GridColumnLayoutEntry>& layout);

    GridCellLook cellLook(const QModelIndex& index) const;

signals:
    // Every title click, after the grid's own sorting; a window may react on its own.
    void titleClicked(int column, const QString& field);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onTitleClicked(int column);
    void markAllAs(int value);
    void pressWindowButton();
    bool markingPossible() const;

    mutable TSorting m_sorting; // Current follows the model's own order while painting
    TSelecting m_selecting;
    UserMessages* m_messages = nullptr;
    bool m_newStyle = false;
    QPointer<QAbstractButton> m_buttonMdi;
    QPointer<QAbstractButton> m_buttonModal;
    QSet<QString> m_money;
};

} // namespace vorn
