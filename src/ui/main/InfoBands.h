#pragma once

#include "shell/BandLayout.h"

#include <QObject>
#include <functional>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QTabWidget;
class QToolBar;

namespace vorn {

// The five movable bands at the top of the main window (firm, year, tabbed tool bar, help
// tools, date and time) and their pop-up menu.
class InfoBands : public QObject
{
    Q_OBJECT
public:
    explicit InfoBands(QMainWindow& window);

    void setFirm(const QString& name);
    void setYear(const QString& label);
    void setClock(const QString& text);
    QString yearText() const;

    QTabWidget* tabs() const { return pglMenu; }
    QToolBar* helpBand() const { return m_bands.at(3); }
    QToolBar* band(const QString& name) const;
    QMenu* popupMenu() const { return ppmToolbar; }
    QLabel* firmLabel() const { return lblNazwaFirmy; }
    QLabel* yearLabel() const { return lblRok; }

    std::function<void()> onFirmDoubleClick;
    std::function<void()> onYearDoubleClick;

    QList<BandPlace> layout() const;
    // Places the bands row by row as stored, left to right within a row.
    void applyLayout(const QList<BandPlace>& places);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& m_window;
    QList<QToolBar*> m_bands;
    QList<QAction*> m_items; // pmiFirma ... pmiData
    QLabel* lblFirma;
    QLabel* lblNazwaFirmy;
    QLabel* lblRokTytul;
    QLabel* lblRok;
    QLabel* lblData;
    QTabWidget* pglMenu;
    QMenu* ppmToolbar;

    QToolBar* addBand(const QString& name, const QString& title);
    void syncChecks();
};

} // namespace vorn
