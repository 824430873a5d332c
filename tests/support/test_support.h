#pragma once
// Shared by every suite: each test runs with fresh settings, its own settings store
// and runtime directory, on Qt's offscreen platform.

#include <QString>

namespace testsupport {
// Folder of this test's settings store and runtime directory.
QString testDir();
// The INI file the settings store of this test writes.
QString settingsFile();
}
