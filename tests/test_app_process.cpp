// The real program as separate processes: single instance, termination, settings written.

#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

namespace {
QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", testsupport::testDir() + "/runtime");
    env.insert("XDG_CONFIG_HOME", testsupport::testDir() + "/config");
    return env;
}

void start(QProcess& process)
{
    process.setProcessEnvironment(programEnvironment());
    process.start(KESTRIN_BINARY_DIR "/kestrin", {});
    ASSERT_TRUE(process.waitForStarted(10000));
}

// The lock file appears once the first copy has taken it.
bool waitForLock()
{
    const QString lock = testsupport::testDir() + "/runtime/KestrinInstance.lock";
    for (int i = 0; i < 200 && !QFile::exists(lock); ++i)
        QThread::msleep(50);
    return QFile::exists(lock);
}

QString stored(const QString& key)
{
    return QSettings(testsupport::settingsFile(), QSettings::IniFormat).value(key).toString();
}
}  // namespace

TEST(AppProcess, SecondCopyEndsAtOnceAndFirstRunsOn)
{
    QProcess first;
    start(first);
    ASSERT_TRUE(waitForLock());

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(10000)) << "second copy did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    // the refused copy writes back the normalised settings it read
    EXPECT_EQ(stored("Velmo/ScaleRev"), "257");

    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();  // SIGTERM closes the window as the user would
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(stored("Velmo/ScaleRev"), "257");
    EXPECT_EQ(stored("Velmo/SlidePos"), "3150000");
    EXPECT_EQ(stored("Memory/Memory10"), "0,3150000");
    EXPECT_EQ(stored("EditBox/Histry16"), "16.00000");
}

TEST(AppProcess, StartsAgainAfterTheFirstCopyWasKilled)
{
    QProcess first;
    start(first);
    ASSERT_TRUE(waitForLock());
    first.kill();
    first.waitForFinished(10000);

    QProcess again;
    start(again);
    QThread::msleep(1500);
    EXPECT_EQ(again.state(), QProcess::Running) << "a dead copy's lock must not block a start";
    again.terminate();
    again.waitForFinished(10000);
}
