#pragma once
// Marks a running copy of the program. The lock file lives in the user's runtime
// directory; the kernel releases it when the holding process dies.

#include <QLockFile>
#include <QString>
#include <memory>

class InstanceLock {
public:
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    bool tryAcquire();  // false when another process holds it
    void release();
    bool held() const { return m_held; }

private:
    std::unique_ptr<QLockFile> m_file;
    bool m_held = false;
};
