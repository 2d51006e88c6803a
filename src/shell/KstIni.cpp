#include "shell/KstIni.h"

#include "common/Paths.h"
#include "store/Scope.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vorn {

KstIni::KstIni(const QString& rootPath, int firm)
    : m_file(JoinPath({FirmFolder(rootPath, firm), QStringLiteral("KST.Ini")}))
{
}

QString KstIni::tableChoice() const
{
    QSettings ini(m_file, QSettings::IniFormat);
    return ini.value(kSection + QLatin1Char('/') + kTableKey).toString();
}

QString KstIni::tableName() const
{
    return tableChoice() == kTable2002 ? QStringLiteral("D00005ST") : QStringLiteral("D00001ST");
}

void KstIni::setTableChoice(const QString& choice)
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings ini(m_file, QSettings::IniFormat);
    ini.setValue(kSection + QLatin1Char('/') + kTableKey, choice);
}

QString KstIni::noticeFlag() const
{
    QSettings ini(m_file, QSettings::IniFormat);
    return ini.value(kSection + QLatin1Char('/') + kNoticeKey).toString();
}

void KstIni::setNoticeSuppressed(bool suppressed)
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings ini(m_file, QSettings::IniFormat);
    ini.setValue(kSection + QLatin1Char('/') + kNoticeKey,
                 suppressed ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace vorn
