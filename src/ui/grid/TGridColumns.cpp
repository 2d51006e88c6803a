#include "ui/grid/TGridColumns.h"

#include "ui/grid/DialogKeys.h"
#include "ui/grid/TDBGridSel.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

namespace {

constexpr int kFieldRole = Qt::UserRole + 1;
constexpr int kWidthRole = Qt::UserRole + 2;

} // namespace

TGridColumns::TGridColumns(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFixedSize(24, 24);
    setToolTip(QStringLiteral("Edycja kolumn (Ctrl+K)"));
    connect(this, &QToolButton::clicked, this, &TGridColumns::openEditor);
}

void TGridColumns::setGrid(TDBGridSel* grid)
{
    m_grid = grid;
    m_defaults = grid ? grid->columnLayout() : QList<GridColumnLayoutEntry>();
}

void TGridColumns::openEditor()
{
    if (m_dialog || !m_grid || !m_grid->model())
        return;
    auto* dialog = new TfrmColumnsEditor(*m_grid, m_defaults, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    dialog->exec();
}

TfrmColumnsEditor::TfrmColumnsEditor(TDBGridSel& grid, QList<GridColumnLayoutEntry> defaults,
                                     QWidget* parent)
    : QDialog(parent), m_grid(grid), m_defaults(std::move(defaults))
{
    setWindowTitle(QStringLiteral("Edycja kolumn"));
    auto* label = new QLabel(
        QStringLiteral("Zaznacz kolumny, które mają być widoczne i ustal ich kolejność"));
    lstKolumny = new QListWidget(this);
    lstKolumny->setToolTip(QStringLiteral("Lista kolunm"));
    lstKolumny->setDragDropMode(QAbstractItemView::InternalMove);
    lstKolumny->setDefaultDropAction(Qt::MoveAction);
    const auto button = [this](const QString& name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };
    btnGora = button("btnGora", QStringLiteral("▲"),
                     QStringLiteral("Przesunięcie kolumny bliżej początku listy"));
    btnDol = button("btnDol", QStringLiteral("▼"),
                    QStringLiteral("Przesunięcie kolumny bliżej końca listy"));
    btnDomyslne = button("btnDomyslne", QStringLiteral("D"),
                         QStringLiteral("Przywrócenie ustawień domyślnych"));
    btnZaznacz =
        button("btnZaznacz", QStringLiteral("+"), QStringLiteral("Zaznaczenie wszystkich kolumn"));
    btnOdznacz =
        button("btnOdznacz", QStringLiteral("-"), QStringLiteral("Odznaczenie wszystkich kolumn"));
    btnOK = button("btnOK", QStringLiteral("&Zatwierdź"), QStringLiteral("Zatwierdź operację"));
    btnAnuluj = button("btnAnuluj", QStringLiteral("&Anuluj"), QStringLiteral("Anuluj operację"));

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {btnGora, btnDol, btnDomyslne, btnZaznacz, btnOdznacz})
        side->addWidget(b);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(lstKolumny);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnOK);
    bottom->addWidget(btnAnuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(middle);
    layout->addLayout(bottom);

    connect(btnGora, &QPushButton::clicked, this, &TfrmColumnsEditor::moveUp);
    connect(btnDol, &QPushButton::clicked, this, &TfrmColumnsEditor::moveDown);
    connect(btnDomyslne, &QPushButton::clicked, this, &TfrmColumnsEditor::restoreDefaults);
    connect(btnZaznacz, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(btnOdznacz, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    DialogKeys::install(this);

    // Default columns the grid's layout lacks are offered hidden at the end; a grid column
    // is listed once however its title was changed.
    QList<GridColumnLayoutEntry> listed;
    QStringList fields;
    for (const GridColumnLayoutEntry& c :
         WithMissingDefaultColumns(m_grid.columnLayout(), m_defaults))
        if (!fields.contains(c.field)) {
            fields.append(c.field);
            listed.append(c);
        }
    fill(listed);
}

void TfrmColumnsEditor::fill(const QList<GridColumnLayoutEntry>& columns)
{
    lstKolumny->clear();
    for (const GridColumnLayoutEntry& c : columns) {
        auto* item = new QListWidgetItem(c.title, lstKolumny);
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled) &
                       ~Qt::ItemIsDropEnabled);
        item->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
        item->setData(kFieldRole, c.field);
        item->setData(kWidthRole, c.width);
    }
    if (lstKolumny->count() > 0)
        lstKolumny->setCurrentRow(0);
}

QList<GridColumnLayoutEntry> TfrmColumnsEditor::listedColumns() const
{
    QList<GridColumnLayoutEntry> columns;
    for (int i = 0; i < lstKolumny->count(); ++i) {
        const QListWidgetItem* item = lstKolumny->item(i);
        columns.append({item->data(kFieldRole).toString(), item->text(),
                        item->checkState() == Qt::Checked, item->data(kWidthRole).toInt()});
    }
    return columns;
}

void TfrmColumnsEditor::moveBy(int delta)
{
    const int row = lstKolumny->currentRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= lstKolumny->count())
        return;
    QListWidgetItem* item = lstKolumny->takeItem(row);
    lstKolumny->insertItem(target, item);
    lstKolumny->setCurrentRow(target);
}

void TfrmColumnsEditor::moveUp()
{
    moveBy(-1);
}

void TfrmColumnsEditor::moveDown()
{
    moveBy(1);
}

void TfrmColumnsEditor::restoreDefaults()
{
    fill(m_defaults);
}

void TfrmColumnsEditor::checkAll(bool on)
{
    for (int i = 0; i < lstKolumny->count(); ++i)
        lstKolumny->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void TfrmColumnsEditor::accept()
{
    m_grid.applyColumnLayout(listedColumns());
    QDialog::accept();
}

} // namespace vorn
