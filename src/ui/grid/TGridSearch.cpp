#include "ui/grid/TGridSearch.h"

#include "common/GridRules.h"
#include "common/Messages.h"
#include "ui/grid/TDBGridSel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

namespace vorn {

namespace {

const QString kOptions = QStringLiteral("cbxOptions_Checked");
const QString kCase = QStringLiteral("cbxCaseInsensitive_Checked");
const QString kOnChange = QStringLiteral("cbxOnChange_Checked");
const QString kPartial = QStringLiteral("cbxPartialKey_Checked");
const QString kText = QStringLiteral("edtSzukaj_Text");

QString trueFalse(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

TGridSearch::TGridSearch(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFixedSize(24, 24);
    setToolTip(QStringLiteral("Szukanie w kolumnie tabeli (Ctrl+S)"));
    connect(this, &QToolButton::clicked, this, &TGridSearch::openSearch);
}

bool TGridSearch::activateStore(const QString& iniFileName, const QString& section)
{
    m_store.IniFileName = iniFileName;
    m_store.IniSection = section;
    m_store.Active = false;
    QString missing;
    if (iniFileName.isEmpty())
        missing = QStringLiteral("Wymagane \"IniFileName\".");
    else if (section.isEmpty())
        missing = QStringLiteral("Wymagane \"IniSection\".");
    if (!missing.isEmpty()) {
        if (m_messages)
            m_messages->error(missing);
        return false;
    }
    m_store.Active = true;
    return true;
}

void TGridSearch::openSearch()
{
    if (m_dialog || !m_grid || !m_grid->model() || m_grid->model()->rowCount() == 0)
        return;
    auto* dialog = new TfrmSzukaj(*this, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    dialog->adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QSize size = dialog->frameSize();
        QPoint at;
        switch (WindowPosition) {
        case TV2WinPosition::wpTopRight:
            at = {area.width() - size.width(), 0};
            break;
        case TV2WinPosition::wpTopLeft:
            at = {0, 0};
            break;
        case TV2WinPosition::wpScreenCenter:
            at = {(area.width() - size.width()) / 2, (area.height() - size.height()) / 2};
            break;
        case TV2WinPosition::wpBottomLeft:
            at = {0, area.height() - size.height()};
            break;
        case TV2WinPosition::wpBottomRight:
            at = {area.width() - size.width(), area.height() - size.height()};
            break;
        }
        dialog->move(at);
    }
    dialog->exec();
}

TfrmSzukaj::TfrmSzukaj(TGridSearch& owner, QWidget* parent) : QDialog(parent), m_owner(owner)
{
    setWindowTitle(QStringLiteral("ZNAJDŹ"));
    setObjectName(QStringLiteral("frmSzukaj"));
    edtSzukaj = new QLineEdit(this);
    edtSzukaj->setObjectName(QStringLiteral("edtSzukaj"));
    cbxOptions = new QCheckBox(QStringLiteral("&Opcje"), this);
    btnZnajdz = new QPushButton(QStringLiteral("&Znajdź"), this);
    btnNastepny = new QPushButton(QStringLiteral("&Następny"), this);
    btnNastepny->setToolTip(QStringLiteral("Wyszukiwanie [F3 lub Ctrl+S]"));
    btnZamknij = new QPushButton(QStringLiteral("Z&amknij"), this);
    btnZamknij->setToolTip(QStringLiteral("Zamknięcie okna i powrót"));
    for (QPushButton* b : {btnZnajdz, btnNastepny, btnZamknij})
        b->setAutoDefault(false);

    auto* frame = new QGroupBox(QStringLiteral("Opcje:"), this);
    cbxOnChange = new QCheckBox(QStringLiteral("&Szukaj po każdej zmianie"), frame);
    cbxCaseInsensitive = new QCheckBox(QStringLiteral("Uwzględniaj &wielkość liter"), frame);
    cbxPartialKey = new QCheckBox(QStringLiteral("Szukaj od &początku pola"), frame);
    auto* frameLayout = new QVBoxLayout(frame);
    for (QCheckBox* box : {cbxOnChange, cbxCaseInsensitive, cbxPartialKey})
        frameLayout->addWidget(box);

    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("Znajdź:"), this);
    label->setBuddy(edtSzukaj);
    layout->addWidget(label, 0, 0);
    layout->addWidget(edtSzukaj, 0, 1);
    layout->addWidget(btnZnajdz, 0, 2);
    layout->addWidget(cbxOptions, 1, 1);
    layout->addWidget(btnNastepny, 1, 2);
    layout->addWidget(btnZamknij, 2, 2);
    layout->addWidget(frame, 3, 0, 1, 3);

    // Initial states when no settings are stored.
    cbxOnChange->setChecked(true);
    cbxPartialKey->setChecked(true);
    optionsToggled(false);

    connect(btnZnajdz, &QPushButton::clicked, this, &TfrmSzukaj::findFirst);
    connect(btnNastepny, &QPushButton::clicked, this, &TfrmSzukaj::findNext);
    connect(btnZamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbxOptions, &QCheckBox::toggled, this, &TfrmSzukaj::optionsToggled);
    for (QCheckBox* box : {cbxOnChange, cbxCaseInsensitive, cbxPartialKey})
        connect(box, &QCheckBox::toggled, this, &TfrmSzukaj::optionsChanged);
    connect(edtSzukaj, &QLineEdit::textEdited, this, [this] {
        if (cbxOnChange->isChecked())
            findFirst();
    });
}

void TfrmSzukaj::optionsToggled(bool on)
{
    for (QCheckBox* box : {cbxOnChange, cbxCaseInsensitive, cbxPartialKey})
        box->setEnabled(on);
    resize(width(), on ? 207 : 115);
}

void TfrmSzukaj::optionsChanged()
{
    m_owner.SearchOptions.soAfterEachChange = cbxOnChange->isChecked();
    m_owner.SearchOptions.soCaseInsensitive = !cbxCaseInsensitive->isChecked();
    m_owner.SearchOptions.soPartialKey = cbxPartialKey->isChecked();
}

void TfrmSzukaj::showEvent(QShowEvent* event)
{
    loadSettings();
    optionsChanged();
    QDialog::showEvent(event);
    edtSzukaj->setFocus();
    edtSzukaj->selectAll();
    const TDBGridSel* grid = m_owner.grid();
    const int column = searchColumn();
    if (grid && grid->model() && column >= 0)
        setWindowTitle(QStringLiteral("Znajdź po \"%1\".")
                           .arg(grid->model()->headerData(column, Qt::Horizontal).toString()));
}

void TfrmSzukaj::loadSettings()
{
    const TV2StoreOptions& store = m_owner.storeOptions();
    if (!store.Active || !QFileInfo::exists(store.IniFileName))
        return;
    QSettings ini(store.IniFileName, QSettings::IniFormat);
    ini.beginGroup(store.IniSection);
    const auto checked = [&](const QString& key) {
        return ini.value(key).toString() == QLatin1String("True");
    };
    cbxOptions->setChecked(checked(kOptions));
    cbxCaseInsensitive->setChecked(checked(kCase));
    cbxOnChange->setChecked(checked(kOnChange));
    cbxPartialKey->setChecked(checked(kPartial));
    edtSzukaj->setText(ini.value(kText).toString()); // setText: loading starts no search
}

void TfrmSzukaj::saveSettings()
{
    const TV2StoreOptions& store = m_owner.storeOptions();
    if (!store.Active || !QFileInfo::exists(store.IniFileName))
        return;
    QSettings ini(store.IniFileName, QSettings::IniFormat);
    ini.beginGroup(store.IniSection);
    ini.setValue(kOptions, trueFalse(cbxOptions->isChecked()));
    ini.setValue(kCase, trueFalse(cbxCaseInsensitive->isChecked()));
    ini.setValue(kOnChange, trueFalse(cbxOnChange->isChecked()));
    ini.setValue(kPartial, trueFalse(cbxPartialKey->isChecked()));
    ini.setValue(kText, edtSzukaj->text());
}

void TfrmSzukaj::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

void TfrmSzukaj::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F3 ||
        (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier)) {
        findNext();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

int TfrmSzukaj::searchColumn() const
{
    const TDBGridSel* grid = m_owner.grid();
    if (!grid || !grid->model())
        return -1;
    if (grid->currentIndex().isValid())
        return grid->currentIndex().column();
    const QList<int> visible = grid->visibleColumns();
    return visible.isEmpty() ? -1 : visible.first();
}

void TfrmSzukaj::findFirst()
{
    search(0, false);
}

void TfrmSzukaj::findNext()
{
    const TDBGridSel* grid = m_owner.grid();
    const int current = grid && grid->currentIndex().isValid() ? grid->currentIndex().row() : -1;
    search(current + 1, true);
}

// The cell text is the text the grid shows: amounts and dates as formatted, look-up
// columns with the looked-up text the model gives.
void TfrmSzukaj::search(int fromRow, bool next)
{
    TDBGridSel* grid = m_owner.grid();
    const QString text = edtSzukaj->text();
    const int column = searchColumn();
    if (!grid || !grid->model() || text.isEmpty() || column < 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    grid->setUpdatesEnabled(false);
    const SearchMatch how{m_owner.SearchOptions.soPartialKey,
                          !m_owner.SearchOptions.soCaseInsensitive};
    const QAbstractItemModel* model = grid->model();
    const int row = FindMatchingRow(
        model->rowCount(), [&](int r) { return grid->cellText(model->index(r, column)); }, fromRow,
        text, how);
    if (row >= 0)
        grid->setCurrentIndex(grid->model()->index(row, column));
    grid->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    if (row < 0 && next && m_owner.DefaultEOFQuestion && m_owner.messages() &&
        m_owner.messages()->question(QStringLiteral("Czy szukać od początku zbioru?")))
        search(0, false);
}

} // namespace vorn
