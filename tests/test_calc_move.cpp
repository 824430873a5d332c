// Move to value and the status message table. Where a case names only the
// scale reading it must produce, the readout at the new position confirms it.
#include "calc/move_to_value.h"
#include "calc/number_format.h"
#include "calc/readout.h"
#include "calc/status_messages.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calc;

namespace {

constexpr MovePart kSlide = MovePart::Slide;
constexpr MovePart kCursor = MovePart::Cursor;

MoveRequest request(double x, MovePart target, int16_t item, int16_t slideRev = 0, int16_t sinNum = 0,
                    int32_t slidePos = 3150000, int32_t cursorPos = 3150000)
{
    MoveRequest r;
    r.value = x;
    r.target = target;
    r.focusedItem = item;
    r.slideRev = slideRev;
    r.sinNum = sinNum;
    r.slidePos = slidePos;
    r.cursorPos = cursorPos;
    return r;
}

// The positions after an applied move, read back through the readout.
ReadoutValues readingsAfter(const MoveRequest& r, const MoveResult& result)
{
    ReadoutInput in;
    in.slidePos = result.target == kSlide ? result.storedPosition() : r.slidePos;
    in.cursorPos = result.target == kCursor ? result.storedPosition() : r.cursorPos;
    in.slideRev = r.slideRev;
    in.sinNum = r.sinNum;
    return readoutValues(in);
}

}  // namespace

TEST(CalcMove, RoadOfOneRequest)
{
    // Overview: 2.5 on item 11 with the cursor target.
    const MoveResult result = moveToValue(request(2.5, kCursor, 11));
    EXPECT_EQ(result.barPosition, 2507022);
    EXPECT_EQ(result.storedPosition(), 2507022);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.writesStatus);
    EXPECT_EQ(result.status, QStringLiteral("Moved CURSOR."));
    EXPECT_EQ(format(readingsAfter(request(2.5, kCursor, 11), result)[11], 0), QStringLiteral("2.50000"));
}

TEST(CalcMove, DocumentedMoves)
{
    struct Case {
        const char* name;
        MoveRequest r;
        int32_t bar;          // the returned bar position
        int item;             // a readout item to check at the new position (0: none)
        const char16_t* text; // what that item shows there
    };
    const Case cases[] = {
        {"D 2, cursor", request(2, kCursor, 11), 1896489, 11, u"2.00000"},
        {"D 200, cursor", request(200, kCursor, 11), 1896489, 0, nullptr},
        {"D 0.002, cursor", request(0.002, kCursor, 11), 1896489, 0, nullptr},
        {"D -3 as 3", request(-3, kCursor, 11), 3005864, 11, u"3.00000"},
        {"C 4 by the right index, slide", request(4, kSlide, 10, 0, 0, 3150000, 1896489), 1253511, 15, u"5.00000"},
        {"C 4, C reads 4", request(4, kSlide, 10, 0, 0, 3150000, 1896489), 1253511, 10, u"4.00000"},
        {"CI 2, cursor where C reads 5", request(2, kCursor, 9), 4403511, 10, u"5.00000"},
        {"CI 2, CI reads 2", request(2, kCursor, 9), 4403511, 9, u"2.00000"},
        {"K 250, cube root on D", request(250, kCursor, 5), 5035674, 5, u"250.000"},
        {"D 2.5 as 250", request(250, kCursor, 11), 2507022, 0, nullptr},
        {"A 4, cursor", request(4, kCursor, 12), 1896489, 12, u"4.00000"},
        {"DF 1, cursor", request(1, kCursor, 6), 3150000, 6, u"1.00000"},
        {"CF 2, cursor", request(2, kCursor, 7), 5046489, 7, u"2.00000"},
        {"CIF 2, cursor", request(2, kCursor, 8), 1253511, 8, u"2.00000"},
        {"D 2 at the left index, slide", request(2, kSlide, 3), 5046489, 3, u"2.00000"},
        // The slide's left index goes to the value, whichever index column is focused.
        {"A 4 at the right index, slide", request(4, kSlide, 16), 5046489, 4, u"4.00000"},
        {"back: D 2 at the left index, slide", request(2, kSlide, 3, 1), 5046489, 3, u"2.00000"},
        {"back: TI1 30 degrees, cursor", request(30, kCursor, 8, 1), 1502932, 8, u"30°00′00″"},
        {"back: TI2 80 degrees, cursor", request(80, kCursor, 7, 1), 1551808, 7, u"80°00′00″"},
        {"back: SI 30 degrees, slide", request(30, kSlide, 10, 1, 0, 3150000, 3150000), 4403511, 10, u"30°00′00″"},
        {"back: SI 60 degrees, SinNum 1, cursor", request(60, kCursor, 10, 1, 1), 1896489, 10, u"60°00′00″"},
        {"back: SI 90 degrees at the left index", request(90, kCursor, 10, 1), 0, 10, u"90°00′00″"},
        {"back: L 1.25 as 0.25, cursor", request(1.25, kCursor, 9, 1), 4725000, 9, u".250000"},
        {"back: L 0 at the slide's right end", request(0, kCursor, 9, 1), 6300000, 9, u".000000"},
        {"back: L 0 wrapped", request(0, kCursor, 9, 1, 0, 3000000), 150000, 9, u".000000"},
        {"back: L 0.25, slide", request(0.25, kSlide, 9, 1), 1575000, 9, u".250000"},
        {"end for end: S 30 degrees, cursor", request(30, kCursor, 7, 3), 4403511, 7, u"30°00′00″"},
        {"end for end: LI 0.25, cursor", request(0.25, kCursor, 8, 3), 1575000, 8, u".250000"},
        {"end for end: T1 30 degrees, cursor", request(30, kCursor, 9, 3), 4797068, 9, u"30°00′00″"},
        {"end for end: T2 60 degrees, slide", request(60, kSlide, 10, 3), 4797068, 10, u"60°00′00″"},
        {"end for end: T2 30, SinNum 1, cursor", request(30, kCursor, 10, 3, 1), 1502932, 10, u"30°00′00″"},
        {"end for end: LI 0.25, slide", request(0.25, kSlide, 8, 3), 4725000, 8, u".250000"},
        {"end for end: D 2 at the right index, slide", request(2, kSlide, 15, 3), 5046489, 3, u"2.00000"},
    };
    for (const Case& c : cases) {
        const MoveResult result = moveToValue(c.r);
        EXPECT_TRUE(result.ok()) << c.name;
        EXPECT_EQ(result.barPosition, c.bar) << c.name;
        if (c.item == 0)
            continue;
        const ReadoutValues after = readingsAfter(c.r, result);
        const int mode = itemFormat(c.item, c.r.slideRev, 0).shown;
        EXPECT_EQ(format(after[c.item], mode), QString::fromUtf16(c.text)) << c.name;
    }
}

TEST(CalcMove, ErrorsAndTheirMessages)
{
    struct Case {
        const char* name;
        MoveRequest r;
        MoveError error;
        const char16_t* english;
        const char16_t* japanese;
    };
    const Case cases[] = {
        {"zero on D", request(0, kCursor, 11), MoveError::Overflow,
         u"Slide Rule overflow error.", u"Slide Rule overflow error."},
        {"TI1 3 degrees", request(3, kCursor, 8, 1), MoveError::Domain, u"DOMAIN error.", u"DOMAIN error."},
        {"TI1 0 degrees: domain, not overflow", request(0, kCursor, 8, 1), MoveError::Domain,
         u"DOMAIN error.", u"DOMAIN error."},
        {"SI 0 degrees", request(0, kCursor, 10, 1, 0), MoveError::Domain, u"DOMAIN error.", u"DOMAIN error."},
        {"SI 0 degrees, SinNum 1: overflow", request(0, kCursor, 10, 1, 1), MoveError::Overflow,
         u"Slide Rule overflow error.", u"Slide Rule overflow error."},
        {"SI 5 degrees", request(5, kCursor, 10, 1), MoveError::Domain, u"DOMAIN error.", u"DOMAIN error."},
        {"SI 30 degrees, slide, cursor near D's right end", request(30, kSlide, 10, 1, 0, 3150000, 6200000),
         MoveError::CannotMove, u"Cannot move SLIDE.", u"渇尺 を移動できません。"},
        {"TI1 30 degrees, cursor off the slide", request(30, kCursor, 8, 1, 0, 5000000), MoveError::CannotMove,
         u"Cannot move CURSOR.", u"カーソル を移動できません。"},
        {"S 30 degrees end for end, cursor off the slide", request(30, kCursor, 7, 3, 0, 1000000),
         MoveError::CannotMove, u"Cannot move CURSOR.", u"カーソル を移動できません。"},
        {"not finite", request(INFINITY, kCursor, 11), MoveError::Overflow,
         u"Slide Rule overflow error.", u"Slide Rule overflow error."},
    };
    for (const Case& c : cases) {
        for (int16_t language : {0, 1}) {
            for (bool apply : {true, false}) {
                MoveRequest r = c.r;
                r.language = language;
                r.apply = apply;
                const MoveResult result = moveToValue(r);
                EXPECT_EQ(result.error, c.error) << c.name;
                EXPECT_EQ(result.barPosition, -1) << c.name;
                EXPECT_EQ(result.target, r.target) << c.name;
                EXPECT_FALSE(result.applied) << c.name;
                EXPECT_FALSE(result.clearRepaintMask) << c.name;
                EXPECT_TRUE(result.writesStatus) << c.name;  // also a compute-only call
                EXPECT_EQ(result.status, QString::fromUtf16(language == 0 ? c.english : c.japanese)) << c.name;
            }
        }
    }
}

TEST(CalcMove, AppliedAndComputeOnlyCalls)
{
    struct Case { MovePart target; int16_t language; bool apply; const char16_t* status; };
    const Case cases[] = {
        {kCursor, 0, true, u"Moved CURSOR."},
        {kSlide, 0, true, u"Moved SLIDE."},
        {kCursor, 1, true, u"カーソル を移動しました。"},
        {kSlide, 1, true, u"渇尺 を移動しました。"},
        {kCursor, 0, false, nullptr},
        {kSlide, 1, false, nullptr},
    };
    for (const Case& c : cases) {
        MoveRequest r = request(2, c.target, 3);
        r.language = c.language;
        r.apply = c.apply;
        const MoveResult result = moveToValue(r);
        EXPECT_TRUE(result.ok());
        EXPECT_EQ(result.applied, c.apply);
        EXPECT_EQ(result.clearRepaintMask, !c.apply);
        EXPECT_EQ(result.writesStatus, c.apply);
        EXPECT_EQ(result.status, c.status ? QString::fromUtf16(c.status) : QString());
        // Item 3 (D at the left index): the cursor goes to D's 2, the slide's left index too.
        EXPECT_EQ(result.barPosition, c.target == kCursor ? 1896489 : 5046489);
        EXPECT_EQ(result.storedPosition(), c.target == kCursor ? 1896489 : 1253511);
    }
}

TEST(CalcMove, StatusMessageTable)
{
    struct Case { StatusId id; int language; std::initializer_list<QString> args; const char16_t* text; };
    const Case cases[] = {
        {StatusId::Moved, 0, {"CURSOR"}, u"Moved CURSOR."},
        {StatusId::Moved, 1, {"カーソル"}, u"カーソル を移動しました。"},
        {StatusId::CannotMove, 0, {"SLIDE"}, u"Cannot move SLIDE."},
        {StatusId::CannotMove, 1, {"渇尺"}, u"渇尺 を移動できません。"},
        {StatusId::DomainError, 1, {}, u"DOMAIN error."},
        {StatusId::OverflowError, 1, {}, u"Slide Rule overflow error."},
        {StatusId::CopiedToEditBox, 0, {"2.50000"}, u"Copied \"2.50000\" in the EditBox."},
        {StatusId::CopiedToEditBox, 1, {"2.50000"}, u"\"2.50000\" をエディット・ボックスにコピーしました。"},
        {StatusId::CopiedToClipboard, 0, {"2.50000"}, u"Copied \"2.50000\" in the Clipboard."},
        {StatusId::CopiedToClipboard, 1, {"2.50000"}, u"\"2.50000\" をクリップボードにコピーしました。"},
        {StatusId::SavedMemory, 0, {"SLIDE", "3"}, u"Saved the position of SLIDE. <Memory 3>"},
        {StatusId::SavedMemory, 1, {"渇尺", "3"}, u"渇尺 の位置を記録しました。<メモリ 3>"},
        {StatusId::LoadedMemory, 0, {"SLIDE", "10"}, u"Loaded the position of SLIDE. <Memory 10>"},
        {StatusId::LoadedMemory, 1, {"渇尺", "10"}, u"渇尺 の位置をロードしました。<メモリ 10>"},
        {StatusId::Greeting, 1, {"Hello!", "Kestrin", "version 3.2.0"}, u"\"Hello!\"   Kestrin - version 3.2.0"},
        {StatusId::Positions, 1, {"3150000", "3150000"}, u"Slide Position=3150000, Cursor Position=3150000,"},
        {StatusId::BuildDateTime, 0, {"Jan 10 2022, 16:07:40,"}, u"Build Date & Time:  Jan 10 2022, 16:07:40, "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(statusMessage(c.id, c.language, c.args), QString::fromUtf16(c.text));
    EXPECT_EQ(partName(MovePart::Slide, 1), QStringLiteral("渇尺"));
    EXPECT_EQ(partName(MovePart::Cursor, 7), QStringLiteral("カーソル"));
    EXPECT_EQ(greeting(0), QStringLiteral("Hello!"));
    EXPECT_EQ(greeting(15), QStringLiteral("You are lucky."));
}
