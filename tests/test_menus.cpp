// Context menus, menu prompts, menu closing, help and about.

#include "app/settings.h"
#include "ui/help_window.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using testsupport::makeWindow;

TEST(Menus, ContextMenuByZone)
{
    struct Case {
        QPoint point;
        int extra, language;
        const char* menu;
    } cases[] = {
        {{50, 60}, 0, 0, "POPEMENU"},     {{50, 60}, 0, 1, "POPMENU"},
        {{10, 60}, 0, 0, "SLIDEEMENU"},   {{150, 100}, 0, 1, "SLIDEMENU"},
        {{250, 100}, 0, 0, "POPEMENU"},   {{250, 100}, 255, 0, "SLIDEEMENU"},
        {{400, 100}, 255, 0, "POPEMENU"}, {{820, 170}, 255, 0, "POPEMENU"},
        {{30, 60}, 0, 0, ""},             {{89, 60}, 0, 0, ""},   // column edges
        {{50, 40}, 0, 0, ""},             {{50, 175}, 0, 0, ""},  // above and below the face
        {{50, 174}, 0, 0, "POPEMENU"},    {{0, 60}, 0, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contextMenuAt(c.point, c.extra, c.language), c.menu)
            << c.point.x() << "," << c.point.y() << " extra " << c.extra;
}

TEST(Menus, KeyboardOpensTheReadoutMenuOnlyWhereItsCellIs)
{
    for (int item = 1; item <= 16; ++item) {
        EXPECT_EQ(contextMenuAt(contextMenuKeyPoint(item), 0, 0), "POPEMENU") << item;
        const bool indexColumn = item <= 4;
        EXPECT_EQ(contextMenuAt(contextMenuKeyPoint(item), 255, 0), indexColumn ? "POPEMENU" : "SLIDEEMENU")
            << item;
    }
}

TEST(Menus, PromptsOnlyWhileAMenuIsOpenAndClosingEmptiesTheLine)
{
    auto w = makeWindow();
    w->writeStatus("Moved CURSOR.");
    QStatusTipEvent leave(QString{});
    QApplication::sendEvent(w.get(), &leave);  // a toolbar button left: no menu open
    EXPECT_EQ(w->statusText(), "Moved CURSOR.");
    w->m_faceIntact = 1;
    w->menuClosed();
    EXPECT_EQ(w->statusText(), "");
    EXPECT_EQ(w->m_faceIntact, 0);
}

TEST(Menus, HelpOpensAtItsContents)
{
    auto w = makeWindow();
    w->onCommand(57668);  // F1
    auto* help = w->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    w->onCommand(57670);
    EXPECT_EQ(w->findChildren<HelpWindow*>().size(), 1);
}

TEST(Menus, AboutShowsTheVersionInTheLanguage)
{
    struct Case {
        int16_t language;
        const char* caption;
    } cases[] = {{0, "Kestrin - Version Information"}, {1, "Velmo - バージョン"}};
    for (const Case& c : cases) {
        g_settings.Language = c.language;
        auto w = makeWindow();
        QString seen;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                seen = dialog->windowTitle();
                dialog->close();
            }
        });
        w->onCommand(c.language == 0 ? 32790 : 100);
        EXPECT_EQ(seen, c.caption);
    }
}
