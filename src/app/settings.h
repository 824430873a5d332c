#pragma once
// The persisted settings: one process-wide instance, fields named by their store keys.
// Only the settings store code (app/settings_store.cpp) reads or writes the store.

#include "calc/position.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kMemorySlots = 10;
inline constexpr int kConstantCount = 8;
inline constexpr int kHistoryCount = 16;
inline constexpr int kEditTextMax = 30;  // characters in an edit-box list text

struct SlideMemory {
    int32_t position = calc::kHome;
    int16_t faceFlags = 0;  // bits 0-1 SlideRev, bit 2 SinNum
    bool operator==(const SlideMemory&) const = default;
};

struct Settings {
    int16_t Xpos = 20;
    int16_t Ypos = 20;
    int16_t TopWin = 0;
    int16_t SlideRev = 0;
    int16_t SinNum = 0;
    int16_t Unit = 0;
    int16_t RightClick = 1;
    int16_t Language = 0;
    int32_t SlidePos = calc::kHome;
    int32_t CursorPos = calc::kHome;
    int16_t NumFoucs = 11;
    int16_t NumberVariable = 1;
    int16_t CxSize = 255;

    std::array<SlideMemory, kMemorySlots> Memory{};
    std::array<QString, kConstantCount> Cont = defaultConstants();
    std::array<QString, kHistoryCount> Histry = defaultHistories();

    static std::array<QString, kConstantCount> defaultConstants();
    static std::array<QString, kHistoryCount> defaultHistories();
};

extern Settings g_settings;
