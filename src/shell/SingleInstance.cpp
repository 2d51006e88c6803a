#include "shell/SingleInstance.h"

#include <QDir>
#include <QLockFile>

namespace vorn {

QString SingleInstance::LockFilePath(const QString& name)
{
    QString folder = qEnvironmentVariable("VORN_LOCK_DIR");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString& name)
    : m_lock(std::make_unique<QLockFile>(LockFilePath(name)))
{
    // Held as long as the holder lives: only a dead holder's flag counts as stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::tryAcquire()
{
    if (!m_held)
        m_held = m_lock->tryLock(0);
    return m_held;
}

void SingleInstance::release()
{
    if (m_held) {
        m_lock->unlock();
        m_held = false;
    }
}

bool SingleInstance::IsHeldElsewhere(const QString& name)
{
    SingleInstance probe(name);
    return !probe.tryAcquire();
}

} // namespace vorn
