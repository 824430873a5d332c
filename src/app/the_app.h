#pragma once
// The application object: restores the settings, refuses a second copy, builds the window
// and writes every setting back at the end (also after a refused start).

#include "platform/instance_lock.h"

#include <QString>
#include <memory>

class CMainWindow;

inline const QString kHelpFileName = QStringLiteral("Kestrin.chm");

class CTheApp {
public:
    CTheApp();
    ~CTheApp();

    bool InitInstance();  // false: another copy runs; no window was made
    int ExitInstance();

    CMainWindow* mainWindow() const { return m_mainWindow; }
    const QString& helpFile() const { return m_helpFile; }

private:
    InstanceLock m_instance;
    CMainWindow* m_mainWindow = nullptr;  // deletes itself when closed
    QString m_helpFile;
};
