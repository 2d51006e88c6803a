#include "shell/DealerLogo.h"

#include <QDir>
#include <QSettings>

namespace vorn {

namespace {

QString readOrDefault(QSettings& ini, const QString& key, const QString& fallback)
{
    QString value = ini.value(key).toString().trimmed();
    if (value.isEmpty()) {
        value = fallback;
        ini.setValue(key, value);
    }
    return value;
}

} // namespace

DealerLogo ReadDealerLogo(const QString& programDir)
{
    QSettings ini(QDir(programDir).filePath(QStringLiteral("Dealer.Ini")), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("DEALER_LOGO"));
    DealerLogo logo;
    logo.pictureFile =
        readOrDefault(ini, QStringLiteral("PLIK"),
                      QDir(programDir).filePath(QStringLiteral("Rysunki/Logo/Dealer.iv2")));
    logo.showProductName =
        readOrDefault(ini, QStringLiteral("TQW_LOGO"), QStringLiteral("T")) == QLatin1String("T");
    logo.showInformation =
        readOrDefault(ini, QStringLiteral("TQW_ADRES"), QStringLiteral("N")) == QLatin1String("T");
    ini.endGroup();
    ini.sync();
    return logo;
}

} // namespace vorn
