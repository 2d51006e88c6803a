#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace vorn {

// A workstation-wide single-instance flag with a name ("VornST", "VORNAD"), held from
// acquisition until destruction. A flag left behind by a process that died is free again.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the flag.
    bool tryAcquire();
    bool held() const { return m_held; }
    void release();

    // Whether some process holds the flag now (tries it and lets go at once).
    static bool IsHeldElsewhere(const QString& name);
    static QString LockFilePath(const QString& name);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace vorn
