#include "app/the_app.h"

#include "app/settings.h"
#include "app/settings_store.h"
#include "platform/profile.h"
#include "window/main_window.h"

namespace {
const QString kOrganisation = QStringLiteral("Orbane");
}

CTheApp::CTheApp() : m_instance(QStringLiteral("KestrinInstance")) {}

CTheApp::~CTheApp() = default;

bool CTheApp::InitInstance()
{
    readSettings(g_settings, Profile(kOrganisation));
    if (!m_instance.tryAcquire())
        return false;
    m_mainWindow = new CMainWindow;
    m_mainWindow->show();
    m_mainWindow->repaint();
    m_helpFile = kHelpFileName;
    return true;
}

int CTheApp::ExitInstance()
{
    Profile profile(kOrganisation);
    writeSettings(g_settings, profile);
    m_instance.release();
    return 0;
}
