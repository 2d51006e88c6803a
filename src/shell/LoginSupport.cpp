#include "shell/LoginSupport.h"

#include "common/Messages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace vorn {

void DeleteLockFiles(const QString& folder, bool recursive)
{
    if (folder.isEmpty())
        return;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString suffix = QFileInfo(file).suffix().toUpper();
        if (suffix == QStringLiteral("LCK") || suffix == QStringLiteral("NET"))
            QFile::remove(file);
    }
}

bool IsUncPath(const QString& path)
{
    return path.startsWith(QStringLiteral("\\\\"));
}

QString TempTableName(const QString& prefix)
{
    auto* rng = QRandomGenerator::global();
    const int number = int(rng->bounded(999)) + 1000 * int(rng->bounded(999));
    return QStringLiteral("~%1%2").arg(prefix).arg(number, 6, 10, QLatin1Char('0'));
}

bool ResetPrivateFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QDir dir(folder);
    if (dir.exists()) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile f(file);
            f.setPermissions(f.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            f.remove();
        }
    } else {
        QDir().mkpath(folder);
    }
    return QFileInfo(folder).isDir();
}

void ShowCodedFailure(UserMessages& messages, const QString& code, const QString& text,
                      const QString& detail)
{
    InfoWindowRequest request;
    request.caption = kCaptionError;
    request.text = ErrorText(text, code);
    if (!detail.trimmed().isEmpty())
        request.info = detail.split(QLatin1Char('\n'));
    request.iconType = IconType::itError;
    messages.infoWindow(request);
}

} // namespace vorn
