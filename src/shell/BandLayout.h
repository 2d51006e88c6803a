#pragma once

#include <QList>
#include <QString>

namespace vorn {

// The main window's movable bands and the check marks of their pop-up menu, kept per user
// under "GLOWNE OKNO".
struct BandPlace
{
    QString name; // "pnlFirma", "pnlRok", "pnlNarzedzia", "pnlPomoc", "pnlData"
    bool visible = true;
    int left = 0;
    int top = 0;
    bool checked = true; // the pop-up item "pmi" + name without "pnl"
};

inline const QString kBandSection = QStringLiteral("GLOWNE OKNO");

const QStringList& BandNames();
// The bands as stored in the INI file; a band never stored keeps the given place.
QList<BandPlace> LoadBandLayout(const QString& iniFile, const QList<BandPlace>& defaults);
void SaveBandLayout(const QString& iniFile, const QList<BandPlace>& bands);
// "pmiFirma" -> "pnlFirma": the band a pop-up item shows or hides.
QString BandOfMenuItem(const QString& itemName);

} // namespace vorn
