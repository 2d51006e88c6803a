#include "shell/BandLayout.h"

#include <QSettings>

namespace vorn {

const QStringList& BandNames()
{
    static const QStringList names{QStringLiteral("pnlFirma"), QStringLiteral("pnlRok"),
                                   QStringLiteral("pnlNarzedzia"), QStringLiteral("pnlPomoc"),
                                   QStringLiteral("pnlData")};
    return names;
}

QString BandOfMenuItem(const QString& itemName)
{
    return QStringLiteral("pnl") + itemName.mid(3);
}

namespace {
QString menuItemOf(const QString& band)
{
    return QStringLiteral("pmi") + band.mid(3);
}
} // namespace

QList<BandPlace> LoadBandLayout(const QString& iniFile, const QList<BandPlace>& defaults)
{
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(kBandSection);
    QList<BandPlace> out;
    for (BandPlace band : defaults) {
        const QString n = band.name;
        band.visible = ini.value(n + QStringLiteral(".Visible"), band.visible).toBool();
        band.left = ini.value(n + QStringLiteral(".Left"), band.left).toInt();
        band.top = ini.value(n + QStringLiteral(".Top"), band.top).toInt();
        band.checked = ini.value(menuItemOf(n) + QStringLiteral(".Checked"), band.checked).toBool();
        out << band;
    }
    return out;
}

void SaveBandLayout(const QString& iniFile, const QList<BandPlace>& bands)
{
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(kBandSection);
    for (const BandPlace& band : bands) {
        const QString n = band.name;
        ini.setValue(n + QStringLiteral(".Visible"), band.visible);
        ini.setValue(n + QStringLiteral(".Left"), band.left);
        ini.setValue(n + QStringLiteral(".Top"), band.top);
        ini.setValue(menuItemOf(n) + QStringLiteral(".Checked"), band.checked);
    }
    ini.endGroup();
    ini.sync();
}

} // namespace vorn
