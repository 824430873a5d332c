#include "test_support.h"

#include "app/settings.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> g_testDir;

// Gives every test a clean slate: default settings, an empty store, its own lock folder.
class FreshStateListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        g_testDir = std::make_unique<QTemporaryDir>();
        const QString dir = g_testDir->path();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir + "/config");
        qputenv("XDG_RUNTIME_DIR", (dir + "/runtime").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir + "/config").toLocal8Bit());
        g_settings = Settings{};
    }
    void OnTestEnd(const testing::TestInfo&) override { g_testDir.reset(); }
};
}  // namespace

namespace testsupport {
QString testDir() { return g_testDir ? g_testDir->path() : QString(); }
QString settingsFile() { return testDir() + "/config/Orbane/kestrin.ini"; }
}  // namespace testsupport

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("kestrin");
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStateListener);
    return RUN_ALL_TESTS();
}
