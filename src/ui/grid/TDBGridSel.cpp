#include "ui/grid/TDBGridSel.h"

#include "common/Messages.h"
#include "common/Money.h"
#include "store/BitSelect.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QStyledItemDelegate>

namespace vorn {

namespace {

class GridSelDelegate : public QStyledItemDelegate
{
public:
    explicit GridSelDelegate(TDBGridSel* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = m_grid->cellText(index);
        if (m_grid->isMoneyField(m_grid->fieldOfColumn(index.column())))
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        const GridCellLook look = m_grid->cellLook(index);
        if (!look.custom)
            return;
        option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        option->backgroundBrush = look.background;
        option->palette.setColor(QPalette::Text, look.foreground);
        option->font.setBold(look.bold);
    }

private:
    TDBGridSel* m_grid;
};

} // namespace

TDBGridSel::TDBGridSel(QWidget* parent) : QTableView(parent)
{
    BgInactive = palette().color(QPalette::Button);
    QPalette p = palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    setPalette(p);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setSortingEnabled(false);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    setItemDelegate(new GridSelDelegate(this));
    setNewStyle(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBGridSel::onTitleClicked);
}

void TDBGridSel::setNewStyle(bool on)
{
    m_newStyle = on;
    QFont f = horizontalHeader()->font();
    f.setBold(!on);
    horizontalHeader()->setFont(f);
}

void TDBGridSel::setMoneyFields(const QStringList& fields)
{
    m_money.clear();
    for (const QString& f : fields)
        m_money.insert(f.toUpper());
    viewport()->update();
}

QString TDBGridSel::fieldOfColumn(int column) const
{
    return model() ? ColumnFieldName(*model(), column) : QString();
}

QString TDBGridSel::cellText(const QModelIndex& index) const
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (value.isNull())
        return QString();
    if (isMoneyField(fieldOfColumn(index.column()))) {
        bool numeric = false;
        const double amount = value.toDouble(&numeric);
        if (numeric)
            return FormatAmount(amount);
    }
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("dd-MM-yyyy"));
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date().toString(QStringLiteral("dd-MM-yyyy"));
    return value.toString();
}

std::optional<int> TDBGridSel::recordNumber(int row) const
{
    if (!model())
        return std::nullopt;
    const int column = ColumnOfField(*model(), m_selecting.Field);
    if (column < 0)
        return std::nullopt;
    const QVariant value = model()->index(row, column).data(Qt::EditRole);
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && !value.isNull() ? std::optional<int>(n) : std::nullopt;
}

bool TDBGridSel::markingPossible() const
{
    return m_selecting.Active && m_selecting.BitSelect && !m_selecting.Field.isEmpty() && model() &&
           model()->rowCount() > 0;
}

void TDBGridSel::toggleCurrent()
{
    if (!markingPossible())
        return;
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    if (const auto n = recordNumber(row))
        m_selecting.BitSelect->Set(*n, m_selecting.BitSelect->Get(*n) ? 0 : 1);
    if (row + 1 < model()->rowCount())
        setCurrentIndex(model()->index(row + 1, qMax(0, currentIndex().column())));
    viewport()->update();
}

void TDBGridSel::markAll()
{
    markAllAs(1);
}

void TDBGridSel::unmarkAll()
{
    markAllAs(0);
}

void TDBGridSel::markAllAs(int value)
{
    if (!markingPossible())
        return;
    if (m_selecting.Question &&
        (!m_messages ||
         !m_messages->question(value ? QStringLiteral("Czy chcesz zaznaczyć wszystkie pozycje?")
                                     : QStringLiteral("Czy chcesz odznaczyć wszystkie pozycje?"))))
        return;
    // As a walk of the dataset: a record without a number stops the marking there.
    for (int r = 0; r < model()->rowCount(); ++r) {
        const auto n = recordNumber(r);
        if (!n)
            break;
        m_selecting.BitSelect->Set(*n, value);
    }
    viewport()->update();
}

QList<int> TDBGridSel::visibleColumns() const
{
    QList<int> result;
    if (!model())
        return result;
    const QHeaderView* header = horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (!isColumnHidden(logical))
            result.append(logical);
    }
    return result;
}

QList<GridColumnLayoutEntry> TDBGridSel::columnLayout() const
{
    QList<GridColumnLayoutEntry> layout;
    if (!model())
        return layout;
    const QHeaderView* header = horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        layout.append({fieldOfColumn(c),
                       model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                       !isColumnHidden(c), columnWidth(c)});
    }
    return layout;
}

void TDBGridSel::applyColumnLayout(const QList<GridColumnLayoutEntry>& layout)
{
    if (!model())
        return;
    QHeaderView* header = horizontalHeader();
    QSet<int> placed;
    int position = 0;
    for (const GridColumnLayoutEntry& wanted : layout) {
        const int c = ColumnOfField(*model(), wanted.field);
        if (c < 0 || placed.contains(c))
            continue;
        placed.insert(c);
        header->moveSection(header->visualIndex(c), position++);
        setColumnHidden(c, !wanted.visible);
        if (wanted.width > 0)
            setColumnWidth(c, wanted.width);
        if (!wanted.title.isEmpty())
            model()->setHeaderData(c, Qt::Horizontal, wanted.title, Qt::DisplayRole);
    }
    for (int c = 0; c < model()->columnCount(); ++c)
        if (!placed.contains(c)) {
            header->moveSection(header->visualIndex(c), position++);
            setColumnHidden(c, true);
        }
}

GridCellLook TDBGridSel::cellLook(const QModelIndex& index) const
{
    GridCellLook look;
    if (!index.isValid() || !model())
        return look;
    if (m_sorting.Active) {
        const QString indexNames = model()->property("indexFieldNames").toString();
        const QString followed =
            FollowedSortField(m_sorting.Current, indexNames, m_sorting.ValidFields);
        m_sorting.Current = followed;
        if (!followed.isEmpty() && fieldOfColumn(index.column()) == followed)
            look = {true, m_sorting.Background, m_sorting.Foreground, m_sorting.Bold};
    }
    if (m_selecting.Active && m_selecting.BitSelect) {
        const auto n = recordNumber(index.row());
        if (n && *n >= 1 && *n <= m_selecting.BitSelect->RecordCount() &&
            m_selecting.BitSelect->Get(*n))
            look = {true, m_selecting.Background, m_selecting.Foreground, m_selecting.Bold};
    }
    if (index == currentIndex()) {
        if (hasFocus())
            look = {true, QColor(0, 0, 128), QColor(Qt::white), false};
        else
            look = {true, BgInactive, FgInactive, false};
    }
    return look;
}

void TDBGridSel::keyPressEvent(QKeyEvent* event)
{
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && m_selecting.Active) {
        toggleCurrent();
        event->accept();
        return;
    }
    if (keypad && event->key() == Qt::Key_Plus && m_selecting.Active) {
        markAll();
        event->accept();
        return;
    }
    if (keypad && event->key() == Qt::Key_Minus && m_selecting.Active) {
        unmarkAll();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))) {
        pressWindowButton();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TDBGridSel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    pressWindowButton();
}

void TDBGridSel::pressWindowButton()
{
    bool childWindow = false;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w)) {
            childWindow = true;
            break;
        }
    QAbstractButton* button = childWindow ? m_buttonMdi.data() : m_buttonModal.data();
    if (button && button->isEnabled())
        button->click();
}

void TDBGridSel::onTitleClicked(int column)
{
    const QString field = fieldOfColumn(column);
    if (m_sorting.Active && model() && IsValidSortField(m_sorting.ValidFields, field)) {
        setUpdatesEnabled(false);
        m_sorting.Current = field;
        // A model with an index of its own is ordered by it; any other sorts itself.
        if (model()->property("indexFieldNames").isValid())
            model()->setProperty("indexFieldNames", field);
        else
            model()->sort(column, Qt::AscendingOrder);
        setUpdatesEnabled(true);
    }
    viewport()->update();
    emit titleClicked(column, field);
}

} // namespace vorn
