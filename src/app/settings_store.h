#pragma once
// Reading the settings from the per-user store at start and writing them back at exit.

#include "app/settings.h"

class Profile;

inline constexpr int32_t kScaleRevMarker = 257;

void readSettings(Settings& settings, const Profile& profile);
void writeSettings(const Settings& settings, Profile& profile);

// "%d,%d" of face flags and position; text without a comma gives the empty slot.
SlideMemory parseMemoryText(const QString& text);
QString memoryText(const SlideMemory& memory);
