#pragma once

#include "common/GridRules.h"

#include <QDialog>
#include <QPointer>
#include <QToolButton>

class QListWidget;
class QPushButton;

namespace vorn {

class TDBGridSel;
class TfrmColumnsEditor;

// The tool button of the column editor beside a grid. Assign the grid once its model and
// columns are set up, before a stored layout is applied: that layout is the window's
// default.
class TGridColumns : public QToolButton
{
    Q_OBJECT

public:
    explicit TGridColumns(QWidget* parent = nullptr);

    void setGrid(TDBGridSel* grid);
    TDBGridSel* grid() const { return m_grid; }
    const QList<GridColumnLayoutEntry>& defaultLayout() const { return m_defaults; }
    int HelpContext = 70;
    bool NewStyle = false;

    void openEditor();
    TfrmColumnsEditor* dialog() const { return m_dialog; }

private:
    QPointer<TDBGridSel> m_grid;
    QList<GridColumnLayoutEntry> m_defaults;
    QPointer<TfrmColumnsEditor> m_dialog;
};

// "Edycja kolumn": which columns a grid shows and in what order.
class TfrmColumnsEditor : public QDialog
{
    Q_OBJECT

public:
    TfrmColumnsEditor(TDBGridSel& grid, QList<GridColumnLayoutEntry> defaults,
                      QWidget* parent = nullptr);

    // The working copy as the list shows it.
    QList<GridColumnLayoutEntry> listedColumns() const;

    void moveUp();
    void moveDown();
    void restoreDefaults();
    void checkAll(bool on);

    QListWidget* lstKolumny;
    QPushButton* btnGora;
    QPushButton* btnDol;
    QPushButton* btnDomyslne;
    QPushButton* btnZaznacz;
    QPushButton* btnOdznacz;
    QPushButton* btnOK;
    QPushButton* btnAnuluj;

protected:
    void accept() override;

private:
    void fill(const QList<GridColumnLayoutEntry>& columns);
    void moveBy(int delta);

    TDBGridSel& m_grid;
    QList<GridColumnLayoutEntry> m_defaults;
};

} // namespace vorn
