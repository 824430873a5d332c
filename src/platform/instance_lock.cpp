#include "platform/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_file = std::make_unique<QLockFile>(dir + '/' + name + ".lock");
    m_file->setStaleLockTime(0);  // only a dead holder makes it stale, never its age
}

InstanceLock::~InstanceLock() { release(); }

bool InstanceLock::tryAcquire()
{
    if (!m_held)
        m_held = m_file->tryLock(0);
    return m_held;
}

void InstanceLock::release()
{
    if (m_held)
        m_file->unlock();
    m_held = false;
}
