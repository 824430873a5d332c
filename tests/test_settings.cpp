#include "app/settings_store.h"
#include "platform/profile.h"
#include "test_support.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {
// Written through the store's own format so its file cache stays in step.
void writeStore(std::initializer_list<std::pair<QString, QString>> values)
{
    QSettings store(testsupport::settingsFile(), QSettings::IniFormat);
    store.clear();
    for (const auto& [key, value] : values)
        store.setValue(key, value);
    store.sync();
}

Settings readBack()
{
    Settings s;
    readSettings(s, Profile("Orbane"));
    return s;
}

QString stored(const QString& key)
{
    return QSettings(testsupport::settingsFile(), QSettings::IniFormat).value(key).toString();
}
}  // namespace

TEST(SettingsStore, EmptyStoreGivesTheFirstStart)
{
    const Settings s = readBack();
    EXPECT_EQ(s.Xpos, 20);
    EXPECT_EQ(s.Ypos, 20);
    EXPECT_EQ(s.CxSize, 255);
    EXPECT_EQ(s.SlidePos, 3150000);
    EXPECT_EQ(s.CursorPos, 3150000);
    EXPECT_EQ(s.SlideRev, 0);
    EXPECT_EQ(s.NumFoucs, 11);
    EXPECT_EQ(s.RightClick, 1);
    EXPECT_EQ(s.NumberVariable, 1);
    EXPECT_EQ(s.Language, 0);
    for (const SlideMemory& m : s.Memory)
        EXPECT_EQ(m, SlideMemory{});
    EXPECT_EQ(s.Cont[0], "2.718282=e");
    EXPECT_EQ(s.Cont[7], "3.3333333=10/3");
    EXPECT_EQ(s.Histry[0], "1.00000");
    EXPECT_EQ(s.Histry[15], "16.00000");
}

TEST(SettingsStore, ExitWritesEveryKey)
{
    Settings s;
    s.Xpos = -3;
    s.SlidePos = -7;
    s.Memory[4] = {2874310, 5};
    Profile profile("Orbane");
    writeSettings(s, profile);

    const char* keys[] = {"Xpos", "Ypos", "TopWin", "SlideRev", "SinNum", "Unit", "RightClick",
                          "Language", "SlidePos", "CursorPos", "NumFoucs", "NumberVariable", "CxSize"};
    for (const char* key : keys)
        EXPECT_FALSE(stored(QString("Velmo/") + key).isEmpty()) << key;
    EXPECT_EQ(stored("Velmo/ScaleRev"), "257");
    EXPECT_EQ(stored("Velmo/Xpos"), "4294967293");
    EXPECT_EQ(stored("Velmo/SlidePos"), "4294967289");
    EXPECT_EQ(stored("Memory/Memory01"), "0,3150000");
    EXPECT_EQ(stored("Memory/Memory05"), "5,2874310");
    EXPECT_EQ(stored("Memory/Memory10"), "0,3150000");
    EXPECT_EQ(stored("EditBox/Cont02"), "3.141592=π");
    EXPECT_EQ(stored("EditBox/Histry16"), "16.00000");

    // and it reads back as it was
    const Settings back = readBack();
    EXPECT_EQ(back.Xpos, -3);
    EXPECT_EQ(back.SlidePos, -7);
    EXPECT_EQ(back.Memory[4], (SlideMemory{2874310, 5}));
    EXPECT_EQ(back.Cont[1], "3.141592=π");
}

TEST(SettingsStore, ScaleRevGuardsPositionsAndMemories)
{
    struct Case {
        const char* scaleRev;  // nullptr: absent
        bool taken;
    } cases[] = {{nullptr, false}, {"256", false}, {"257", true}, {"258", false}};
    for (const Case& c : cases) {
        writeStore({{"Velmo/SlidePos", "1000000"}, {"Velmo/CursorPos", "2000000"},
                    {"Velmo/SinNum", "1"}, {"Memory/Memory01", "1,2000000"}});
        if (c.scaleRev) {
            QSettings store(testsupport::settingsFile(), QSettings::IniFormat);
            store.setValue("Velmo/ScaleRev", c.scaleRev);
        }
        const Settings s = readBack();
        SCOPED_TRACE(c.scaleRev ? c.scaleRev : "absent");
        EXPECT_EQ(s.SlidePos, c.taken ? 1000000 : 3150000);
        EXPECT_EQ(s.CursorPos, c.taken ? 2000000 : 3150000);
        EXPECT_EQ(s.Memory[0], c.taken ? (SlideMemory{2000000, 1}) : SlideMemory{});
        EXPECT_EQ(s.SinNum, 1);  // everything else is taken either way
    }
}

TEST(SettingsStore, IntegersCutToSixteenBitsOrDefault)
{
    struct Case {
        const char* text;
        int16_t xpos;
    } cases[] = {
        {"4294967291", -5}, {"-5", -5},   {"65536", 0},  {"65557", 21},  {"32768", -32768},
        {"abc", 20},        {"", 20},     {" 7 ", 7},    {"99999999999", static_cast<int16_t>(99999999999LL & 0xFFFF)},
        {"1e3", 20},
    };
    for (const Case& c : cases) {
        writeStore({{"Velmo/Xpos", c.text}});
        EXPECT_EQ(readBack().Xpos, c.xpos) << c.text;
    }
}

TEST(SettingsStore, MemoryTexts)
{
    struct Case {
        const char* text;
        SlideMemory memory;
    } cases[] = {
        {"7, 123", {123, 7}},
        {"7,abc", {0, 7}},
        {"5,2874310", {2874310, 5}},
        {"-1,-90000", {-90000, -1}},
        {"0,-300000", {-90000, 0}},      // beyond the bars' limits: held at them
        {"1,2147483647", {6390000, 1}},
        {"6,100", {100, 4}},             // face 2 is never stored: the front, numbering kept
        {"5 2874310", {}},  // no comma: the empty slot
        {"", {}},
        {",", {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseMemoryText(c.text), c.memory) << c.text;
}

TEST(SettingsStore, PositionsAndFaceOutsideWhatTheProgramStores)
{
    writeStore({{"Velmo/ScaleRev", "257"}, {"Velmo/SlidePos", "2147483648"}, {"Velmo/CursorPos", "2147483647"},
                {"Velmo/SlideRev", "2"}});
    Settings s = readBack();
    EXPECT_EQ(s.SlidePos, -90000);
    EXPECT_EQ(s.CursorPos, 6390000);
    EXPECT_EQ(s.SlideRev, 0);
    writeStore({{"Velmo/SlideRev", "3"}});
    EXPECT_EQ(readBack().SlideRev, 3);
}

TEST(SettingsStore, LongEditTextsAreCutTo30)
{
    const QString longText(40, QChar('9'));
    writeStore({{"EditBox/Cont03", longText}, {"EditBox/Histry16", longText}});
    const Settings s = readBack();
    EXPECT_EQ(s.Cont[2], QString(30, QChar('9')));
    EXPECT_EQ(s.Histry[15], QString(30, QChar('9')));
    EXPECT_EQ(s.Cont[0], "2.718282=e");
}
