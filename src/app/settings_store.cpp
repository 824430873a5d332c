#include "app/settings_store.h"

#include "platform/profile.h"

#include <algorithm>

namespace {
const QString kVelmo = QStringLiteral("Velmo");
const QString kMemory = QStringLiteral("Memory");
const QString kEditBox = QStringLiteral("EditBox");

QString numberedKey(const char* stem, int n) { return QString::asprintf("%s%02d", stem, n); }

// The 16-bit settings in store order; the two positions sit between Language and NumFoucs.
struct ShortKey {
    const char* key;
    int16_t Settings::*field;
};
const ShortKey kLeadingShorts[] = {
    {"Xpos", &Settings::Xpos},         {"Ypos", &Settings::Ypos},
    {"TopWin", &Settings::TopWin},     {"SlideRev", &Settings::SlideRev},
    {"SinNum", &Settings::SinNum},     {"Unit", &Settings::Unit},
    {"RightClick", &Settings::RightClick}, {"Language", &Settings::Language},
};
const ShortKey kTrailingShorts[] = {
    {"NumFoucs", &Settings::NumFoucs},
    {"NumberVariable", &Settings::NumberVariable},
    {"CxSize", &Settings::CxSize},
};

// A C-style leading integer: blanks skipped, reading stops at the first non-digit.
long leadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    qsizetype end = i;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const qlonglong value = text.mid(i, end - i).toLongLong(&ok);
    return ok ? static_cast<long>(static_cast<int32_t>(value)) : 0;
}

QString cutToEditText(const QString& text) { return text.left(kEditTextMax); }

// The program never stores a position outside the bars' limits nor the face 2; a hand-edited
// store could, and such values would jump the rule or overflow the bar arithmetic.
int32_t validPosition(int32_t position) { return std::clamp(position, calc::kPositionMin, calc::kPositionMax); }
int16_t validFace(int16_t slideRev) { return slideRev == 1 || slideRev == 3 ? slideRev : 0; }
}  // namespace

SlideMemory parseMemoryText(const QString& text)
{
    const qsizetype comma = text.indexOf(',');
    if (comma < 0)
        return SlideMemory{};
    SlideMemory memory;
    memory.faceFlags = static_cast<int16_t>(leadingInteger(text));
    memory.position = validPosition(static_cast<int32_t>(leadingInteger(QStringView(text).mid(comma + 1))));
    memory.faceFlags = static_cast<int16_t>((memory.faceFlags & ~3) | validFace(memory.faceFlags & 3));
    return memory;
}

QString memoryText(const SlideMemory& memory)
{
    return QString::asprintf("%d,%d", memory.faceFlags, memory.position);
}

void readSettings(Settings& s, const Profile& profile)
{
    auto readShort = [&](const ShortKey& k) {
        s.*k.field = static_cast<int16_t>(profile.getInt(kVelmo, k.key, s.*k.field) & 0xFFFF);
    };
    const Settings defaults;
    for (const ShortKey& k : kLeadingShorts) {
        s.*k.field = defaults.*k.field;
        readShort(k);
    }
    s.SlidePos = static_cast<int32_t>(profile.getInt(kVelmo, "SlidePos", calc::kHome));
    s.CursorPos = static_cast<int32_t>(profile.getInt(kVelmo, "CursorPos", calc::kHome));
    for (const ShortKey& k : kTrailingShorts) {
        s.*k.field = defaults.*k.field;
        readShort(k);
    }
    const bool positionsValid = profile.getInt(kVelmo, "ScaleRev", 0) == kScaleRevMarker;

    if (!positionsValid) {
        s.SlidePos = calc::kHome;
        s.CursorPos = calc::kHome;
    }
    s.SlidePos = validPosition(s.SlidePos);
    s.CursorPos = validPosition(s.CursorPos);
    s.SlideRev = validFace(s.SlideRev);
    const QString emptyMemory = memoryText(SlideMemory{});
    for (int n = 1; n <= kMemorySlots; ++n) {
        s.Memory[n - 1] = positionsValid
            ? parseMemoryText(profile.getString(kMemory, numberedKey("Memory", n), emptyMemory))
            : SlideMemory{};
    }
    const auto constants = Settings::defaultConstants();
    for (int n = 1; n <= kConstantCount; ++n)
        s.Cont[n - 1] = cutToEditText(profile.getString(kEditBox, numberedKey("Cont", n), constants[n - 1]));
    const auto histories = Settings::defaultHistories();
    for (int n = 1; n <= kHistoryCount; ++n)
        s.Histry[n - 1] = cutToEditText(profile.getString(kEditBox, numberedKey("Histry", n), histories[n - 1]));
}

void writeSettings(const Settings& s, Profile& profile)
{
    for (const ShortKey& k : kLeadingShorts)
        profile.writeInt(kVelmo, k.key, s.*k.field);
    profile.writeInt(kVelmo, "SlidePos", s.SlidePos);
    profile.writeInt(kVelmo, "CursorPos", s.CursorPos);
    for (const ShortKey& k : kTrailingShorts)
        profile.writeInt(kVelmo, k.key, s.*k.field);
    profile.writeInt(kVelmo, "ScaleRev", kScaleRevMarker);
    for (int n = 1; n <= kMemorySlots; ++n)
        profile.writeString(kMemory, numberedKey("Memory", n), memoryText(s.Memory[n - 1]));
    for (int n = 1; n <= kConstantCount; ++n)
        profile.writeString(kEditBox, numberedKey("Cont", n), s.Cont[n - 1]);
    for (int n = 1; n <= kHistoryCount; ++n)
        profile.writeString(kEditBox, numberedKey("Histry", n), s.Histry[n - 1]);
    profile.sync();
}
