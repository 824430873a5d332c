// A partial repaint must leave the face exactly as a full repaint of the same state would. A
// window is driven through a long pseudo-random run of user operations, painted after each
// one as its handlers asked, and now and then its face is compared with a full paint of the
// same state from the background.

#include "app/settings.h"
#include "calc/layout.h"
#include "platform/keys.h"
#include "window/client_area.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
using testsupport::HeldKeys;
using testsupport::makeWindow;
using testsupport::showWindow;

constexpr int kTopRow = 38;
constexpr int kBottomRow = 176;

constexpr QRgb rgb(QRgb pixel) { return pixel & 0xffffffu; }

std::string hex(QRgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb(colour));
    return text;
}

// The first pixel of the face rows where the two images differ, or an empty string.
std::string firstDifference(const QImage& painted, const QImage& full)
{
    if (painted.size() != full.size())
        return "image sizes differ";
    for (int y = kTopRow; y <= kBottomRow; ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (rgb(painted.pixel(x, y)) != rgb(full.pixel(x, y)))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " + hex(painted.pixel(x, y)) +
                       " after the partial paints, " + hex(full.pixel(x, y)) + " in a full paint";
    return {};
}

class PaintInvariant {
public:
    PaintInvariant(unsigned seed, int cxSize) : m_random(seed)
    {
        g_settings.CxSize = static_cast<int16_t>(cxSize);
        m_w = cxSize;
        m_window = makeWindow();
    }

    bool open()
    {
        if (!showWindow(*m_window))
            return false;
        QApplication::processEvents();
        m_window->clientArea()->repaint();
        return true;
    }

    // One operation, then the paint its handler asked for. Returns what it did.
    std::string step()
    {
        std::string op = operate();
        m_window->clientArea()->repaint();
        return op;
    }

    // The face as the partial paints left it against a full paint of the same window from the
    // background, as its first paint is done. The window's canvas, which depends on the order of
    // its compositions, is the same for both.
    std::string compare()
    {
        const QImage painted = m_window->clientArea()->image().copy();
        m_window->m_paintedOnce = false;
        m_window->m_repaintMask = 7;
        m_window->clientArea()->repaint();
        return firstDifference(painted, m_window->clientArea()->image());
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

private:
    std::string operate()
    {
        static constexpr ScrollCode kCodes[] = {ScrollCode::LineLeft,  ScrollCode::LineRight, ScrollCode::PageLeft,
                                                ScrollCode::PageRight, ScrollCode::ThumbTrack, ScrollCode::LeftEnd,
                                                ScrollCode::RightEnd};
        static const char* const kCodeNames[] = {"LineLeft", "LineRight", "PageLeft", "PageRight",
                                                 "ThumbTrack", "LeftEnd", "RightEnd"};
        static constexpr int kConversions[] = {201, 202, 203, 301, 302, 303, 304, 311, 315, 321,
                                               322, 331, 332, 341, 351, 352, 361, 362, 371};
        CMainWindow& w = *m_window;
        const int choice = pick(100);
        if (choice < 55) {
            // Bar steps come in runs, as a held key or a drag brings them.
            const int bar = pick(2);
            const int codeIndex = pick(7);
            const ScrollCode code = kCodes[codeIndex];
            const bool ctrl = pick(6) == 0, shift = pick(5) == 0, right = pick(6) == 0;
            m_keys.hold(ctrl, shift, right);
            const int repeats = codeIndex < 4 ? 1 + pick(4) : 1;
            for (int i = 0; i < repeats; ++i) {
                if (code == ScrollCode::ThumbTrack) {
                    QScrollBar* scrollBar = w.bar(bar);
                    const QSignalBlocker block(scrollBar);
                    const int span = scrollBar->maximum() - scrollBar->minimum();
                    const int near = scrollBar->sliderPosition() + pick(2001) - 1000;
                    scrollBar->setSliderPosition(pick(3) == 0 ? scrollBar->minimum() + pick(span + 1) : near);
                }
                w.onScroll(bar, code);
                if (i + 1 < repeats)
                    w.clientArea()->repaint();
            }
            m_keys.hold(false, false, false);
            return std::string(bar == 0 ? "slide " : "cursor ") + kCodeNames[codeIndex] + " x" +
                   std::to_string(repeats) + (ctrl ? " ctrl" : "") + (shift ? " shift" : "") +
                   (right ? " right" : "") + (g_settings.NumberVariable == 1 ? " locked" : "");
        }
        if (choice < 60) {
            w.onCommand(135);
            return "number lock";
        }
        if (choice < 63) {
            const int mode = 131 + pick(3);
            w.onCommand(mode);
            return "right-click mode " + std::to_string(mode);
        }
        if (choice < 70) {
            const int command = pick(2) == 0 ? 651 : 652;
            w.onCommand(command);
            return command == 651 ? "next item" : "previous item";
        }
        if (choice < 78) {
            // A click in a readout cell, or anywhere on the face.
            const int columns[3] = {60, 248 + m_w / 2, 575 + m_w};
            QPoint point(columns[pick(3)], layout::kRowY[static_cast<std::size_t>(pick(8))] + 1 + pick(14));
            if (pick(4) == 0)
                point = QPoint(pick(625 + m_w), 38 + pick(139));
            w.OnLeftButtonDown(point);
            return "click at (" + std::to_string(point.x()) + ", " + std::to_string(point.y()) + ")";
        }
        if (choice < 82) {
            m_keys.hold(pick(3) == 0, false, pick(3) == 0);
            w.onCommand(111);
            m_keys.hold(false, false, false);
            return "reverse slide, face " + std::to_string(g_settings.SlideRev);
        }
        if (choice < 86) {
            const int command = pick(3) == 0 ? 940 : 116 + pick(2);
            w.onCommand(command);
            return "numbering " + std::to_string(command);
        }
        if (choice < 91) {
            const int command = kConversions[pick(std::size(kConversions))];
            w.onCommand(command);
            return "conversion " + std::to_string(command);
        }
        if (choice < 93) {
            w.onCommand(110);
            return "initialization";
        }
        if (choice < 96) {
            w.onCommand(631);
            return "undo";
        }
        if (choice < 98) {
            const int command = pick(2) == 0 ? 123 : 124;
            m_keys.hold(false, false, pick(2) == 0);
            w.onCommand(command);
            m_keys.hold(false, false, false);
            return command == 123 ? "slide home" : "cursor home";
        }
        const int command = pick(2) == 0 ? 621 : 622;
        w.onCommand(command);
        return command == 621 ? "zero-round slide move" : "zero-round cursor move";
    }

    std::mt19937 m_random;
    int m_w = 0;
    std::unique_ptr<CMainWindow> m_window;
    HeldKeys m_keys;
};

void run(unsigned seed, int cxSize)
{
    PaintInvariant rule(seed, cxSize);
    ASSERT_TRUE(rule.open());
    // Compared after runs of 1 to 12 operations, so that what a partial paint leaves behind
    // can build up over several paints before a full one repairs it.
    std::vector<std::string> since;
    int nextCheck = 1 + rule.pick(12);
    for (int step = 1; step <= 300; ++step) {
        since.push_back(rule.step());
        if (step < nextCheck && step != 300)
            continue;
        nextCheck = step + 1 + rule.pick(12);
        if (const std::string difference = rule.compare(); !difference.empty()) {
            std::string ops;
            for (const std::string& op : since)
                ops += "\n  " + op;
            FAIL() << difference << " at step " << step << ", after these operations:" << ops << "\n  (slide "
                   << g_settings.SlidePos << ", cursor " << g_settings.CursorPos << ", face " << g_settings.SlideRev
                   << ", numbering " << g_settings.SinNum << ", unit " << g_settings.Unit << ", focus "
                   << g_settings.NumFoucs << ")";
        }
        since.clear();
    }
}

TEST(PaintInvariant, PartialRepaintsMatchAFullRepaint) { run(20240611u, 0); }

TEST(PaintInvariant, PartialRepaintsMatchAFullRepaintWhenWider) { run(7u, 255); }

}  // namespace
