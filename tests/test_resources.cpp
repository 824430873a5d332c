// Resources as data: bitmaps and their mapping to the button colours,
// menus and context menus in both languages, toolbars, accelerators, the string tables.

#include "ui/resources.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Texts in failure messages as UTF-8 instead of bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace resources;

namespace {

// A palette whose four button colours differ from every colour the bitmaps use.
QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::ButtonText, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Dark, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Button, QColor(0x70, 0x80, 0x90));
    palette.setColor(QPalette::Light, QColor(0xA0, 0xB0, 0xC0));
    return palette;
}

const MenuItem* itemAt(const std::vector<MenuItem>& items, std::initializer_list<int> path)
{
    const std::vector<MenuItem>* level = &items;
    const MenuItem* item = nullptr;
    for (int index : path) {
        if (index >= static_cast<int>(level->size()))
            return nullptr;
        item = &(*level)[index];
        level = &item->children;
    }
    return item;
}

std::vector<QString> titles(const std::vector<MenuItem>& items)
{
    std::vector<QString> result;
    for (const MenuItem& item : items)
        result.push_back(item.text);
    return result;
}

std::vector<QAction*> allActions(const QWidget* widget)
{
    std::vector<QAction*> result;
    for (QAction* action : widget->actions()) {
        result.push_back(action);
        if (QMenu* popup = action->menu()) {
            const std::vector<QAction*> inner = allActions(popup);
            result.insert(result.end(), inner.begin(), inner.end());
        }
    }
    return result;
}

}  // namespace

// ---------------------------------------------------------------- bitmaps

TEST(ResourceBitmaps, EachBitmapHasItsDocumentedSize)
{
    struct Case {
        int id;
        QSize size;
    };
    const Case cases[] = {
        {110, {32, 19}}, {132, {48, 48}}, {158, {30, 19}}, {187, {12, 30}},
        // Toolbar strips: 18 x 17 per image, side by side; the same strip in both languages.
        {162, {36, 17}}, {154, {36, 17}}, {160, {162, 17}}, {156, {162, 17}},
        {161, {72, 17}}, {159, {72, 17}},
    };
    for (const Case& c : cases) {
        const QImage image = loadBitmap(c.id);
        EXPECT_EQ(image.size(), c.size) << "bitmap " << c.id;
    }
    EXPECT_TRUE(loadBitmap(999).isNull());
    for (int resource : {160, 161, 162, 154, 156, 159})
        for (const QPixmap& image : toolbarImages(resource, testPalette()))
            EXPECT_EQ(image.size(), QSize(18, 17)) << "toolbar " << resource;
    const QIcon icon = applicationIcon();
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

TEST(ResourceBitmaps, MappingReplacesExactlyTheFourStandardColours)
{
    const QPalette palette = testPalette();
    QImage image(6, 1, QImage::Format_RGB32);
    const QRgb drawn[] = {0xFF000000, 0xFF808080, 0xFFC0C0C0, 0xFFFFFFFF, 0xFFFF0000, 0xFFC0C0C1};
    for (int x = 0; x < 6; ++x)
        image.setPixel(x, 0, drawn[x]);
    const QRgb expected[] = {palette.color(QPalette::ButtonText).rgb(),
                             palette.color(QPalette::Dark).rgb(),
                             palette.color(QPalette::Button).rgb(),
                             palette.color(QPalette::Light).rgb(), 0xFFFF0000, 0xFFC0C0C1};
    for (const QImage& source : {image, image.convertToFormat(QImage::Format_Indexed8)}) {
        const QImage result = mapButtonColours(source, palette);
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(result.pixel(x, 0), expected[x]) << "x " << x << " format " << source.format();
    }
}

TEST(ResourceBitmaps, LoadedMappedBitmapsTakeThePaletteColours)
{
    const QPalette palette = testPalette();
    const QRgb text = palette.color(QPalette::ButtonText).rgb();
    const QRgb face = palette.color(QPalette::Button).rgb();
    const QRgb dark = palette.color(QPalette::Dark).rgb();

    const QImage home = loadMappedBitmap(110, palette);
    EXPECT_EQ(home.pixel(0, 0), face);   // light grey ground
    EXPECT_EQ(home.pixel(15, 9), text);  // the black bar in the middle
    EXPECT_EQ(home.pixel(6, 12), dark);  // the left triangle

    const QImage reverse = loadMappedBitmap(158, palette);
    EXPECT_EQ(reverse.pixel(0, 0), face);
    EXPECT_EQ(reverse.pixel(15, 4), text);  // the arrow's upper arm

    // Red stays red: the hairline of the cursor-paste picture (third image of the edit strip).
    const std::vector<QPixmap> edit = toolbarImages(160, palette);
    const QImage cursorPaste = edit.at(2).toImage();
    EXPECT_EQ(cursorPaste.pixel(9, 12) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(cursorPaste.pixel(0, 0), face);
}

// ---------------------------------------------------------------- menus

TEST(ResourceMenus, MenuBarsHaveTheDocumentedPopups)
{
    EXPECT_EQ(titles(loadMenu("MainEMenu").items),
              (std::vector<QString>{"&Operation", "&Setting", "&Edit", "&Memory", "&Help"}));
    EXPECT_EQ(titles(loadMenu("MainMenu").items),
              (std::vector<QString>{"動作(&D)", "設定(&S)", "編集(&E)", "滑尺メモリ(&M)",
                                    "ヘルプ(&H)"}));
    EXPECT_EQ(titles(loadMenu("POPEMENU").items), std::vector<QString>{"_Popup_"});
    EXPECT_EQ(titles(loadMenu("SLIDEMENU").items), std::vector<QString>{"_ﾎﾟｯﾌﾟｱｯﾌﾟ_"});
    EXPECT_TRUE(loadMenu("NoSuchMenu").items.empty());
}

TEST(ResourceMenus, ItemsCarryTheirCommandNumbersAndTexts)
{
    struct Case {
        const char* menu;
        std::initializer_list<int> path;
        int command;
        QString text;
    };
    const Case cases[] = {
        {"MainEMenu", {0, 0}, 32776, "&Reverse slide\bR"},
        {"MainEMenu", {0, 2, 1}, 32795, "&0-90"},
        {"MainEMenu", {0, 5}, 32775, ""},  // replaced by the unit popup at run time
        {"MainEMenu", {0, 7}, 57665, "E&xit\bCtrl+X"},
        {"MainEMenu", {1, 1, 2}, 32793, "&Reverse\tCtrl+R"},
        {"MainEMenu", {2, 0}, 32780, "&Undo\bCtrl+Z"},  // design.md: not "Crtl+Z"
        {"MainEMenu", {2, 2, 3}, 32783, "Cursor &Paste\bCtrl+P"},
        {"MainEMenu", {3, 13}, 510, ""},
        {"MainEMenu", {4, 2}, 32790, "&Version..."},
        {"MainMenu", {0, 0}, 111, "滑尺を返す(&R)\bR"},
        {"MainMenu", {0, 2, 0}, 116, "&0-90"},
        {"MainMenu", {0, 4, 1}, 202, "直径 - 円面積(&A)"},
        {"MainMenu", {1, 2, 1}, 171, "日本語(&Japanese)"},
        {"MainMenu", {2, 0}, 631, "アンドゥ(&U)\bCtrl+Z"},
        {"MainMenu", {2, 2, 2}, 602, "滑尺移動(&S)\bCtrl+S"},
        {"MainMenu", {2, 3, 2}, 612, "渇尺移動"},
        {"MainMenu", {2, 5, 0}, 621, "渇尺移動"},
        {"MainMenu", {4, 2}, 100, "バージョン情報(&A)..."},
        {"POPEMENU", {0, 5}, 32779, "Num&ber Lock"},
        {"POPMENU", {0, 3, 0}, 621, "滑尺移動"},
        {"POPMENU", {0, 5}, 135, "数値ロック(&L)"},
        {"SLIDEEMENU", {0, 2, 0}, 116, "&90-0"},
        {"SLIDEEMENU", {0, 5, 0}, 131, "&Double\tCtrl+D"},
        {"SLIDEMENU", {0, 1}, 110, "初期化(&I)"},
        {"UnitChange", {0}, 301, "&inch\tmm"},
        {"UnitChange", {13}, 361, "&kW\tHP"},
        {"UnitChange", {15}, 371, "&Oe\tA/m"},
        {"MemorySet", {0}, 521, ""},
        {"MemorySet", {9}, 530, ""},
    };
    for (const Case& c : cases) {
        const Menu menu = loadMenu(c.menu);
        const MenuItem* item = itemAt(menu.items, c.path);
        ASSERT_NE(item, nullptr) << c.menu << " command " << c.command;
        EXPECT_EQ(item->command, c.command) << c.menu;
        EXPECT_EQ(item->text, c.text) << c.menu << " command " << c.command;
        EXPECT_FALSE(item->popup || item->separator) << c.menu << " command " << c.command;
    }
}

TEST(ResourceMenus, SeparatorsStandWhereTheLanguageRoutineReplacesThem)
{
    struct Case {
        const char* menu;
        std::initializer_list<int> path;
    };
    const Case cases[] = {
        {"MainEMenu", {0, 3}}, {"MainEMenu", {0, 6}}, {"MainEMenu", {3, 15}},
        {"MainMenu", {0, 5}},  {"MainMenu", {3, 2}},  {"MainMenu", {3, 15}},
        {"POPMENU", {0, 0, 1}},
    };
    for (const Case& c : cases) {
        const MenuItem* item = itemAt(loadMenu(c.menu).items, c.path);
        ASSERT_NE(item, nullptr) << c.menu;
        EXPECT_TRUE(item->separator) << c.menu;
    }
}

TEST(ResourceMenus, BuiltMenuBarCarriesCommandsWithoutShortcuts)
{
    std::unique_ptr<QMenuBar> bar(
        buildMenuBar(loadMenu("MainEMenu"), nullptr, UiLanguage::English));
    ASSERT_EQ(bar->actions().value(0)->text(), QString("&Operation"));

    QAction* reverse = findAction(bar.get(), 32776);
    ASSERT_NE(reverse, nullptr);
    EXPECT_EQ(reverse->text(), QString("&Reverse slide\tR"));  // "\b" shown in the key column
    EXPECT_EQ(findAction(bar.get(), 32791)->text(), QString("&Double\tCtrl+D"));
    // Prompts are numbered like the Japanese commands: 32777 has none, its twin 110 has one.
    EXPECT_TRUE(findAction(bar.get(), 32777)->statusTip().isEmpty());
    EXPECT_EQ(findAction(bar.get(), 32790)->text(), QString("&Version..."));
    EXPECT_EQ(commandOf(bar->actions().value(0)), 0);  // a popup carries no command

    for (QAction* action : allActions(bar.get()))
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();

    std::unique_ptr<QMenuBar> japanese(
        buildMenuBar(loadMenu("MainMenu"), nullptr, UiLanguage::Japanese));
    EXPECT_EQ(findAction(japanese.get(), 131)->statusTip(),
              QString("スライドバー操作時、右クリックで、カーソルと渇尺を同時動作します"));
    EXPECT_EQ(findAction(japanese.get(), 631)->text(), QString("アンドゥ(&U)\tCtrl+Z"));
    std::unique_ptr<QMenuBar> japaneseOnEnglish(
        buildMenuBar(loadMenu("MainMenu"), nullptr, UiLanguage::English));
    EXPECT_EQ(findAction(japaneseOnEnglish.get(), 110)->statusTip(), QString("Initialization"));

    const Menu context = loadMenu("SLIDEEMENU");
    std::unique_ptr<QMenu> popup(buildMenu(context.items[0].text, context.items[0].children,
                                           nullptr, UiLanguage::English));
    EXPECT_EQ(commandOf(popup->actions().value(0)), 32776);
    EXPECT_EQ(findAction(popup.get(), 117)->text(), QString("&0-90"));
}

// ---------------------------------------------------------------- toolbars and accelerators

TEST(ResourceToolbars, CommandListsForBothLanguages)
{
    struct Case {
        ToolbarKind kind;
        int language;
        int resource;
        std::vector<int> commands;  // 0 is a separator
    };
    const Case cases[] = {
        {ToolbarKind::Numbering, 0, 162, {32794, 32795}},
        {ToolbarKind::Edit, 0, 160,
         {32781, 32782, 32783, 0, 32784, 32785, 32786, 0, 32787, 32788, 0, 32780}},
        {ToolbarKind::Mode, 0, 161, {32779, 0, 32791, 32792, 32793}},
        {ToolbarKind::Numbering, 1, 154, {116, 117}},
        {ToolbarKind::Edit, 1, 156, {601, 602, 603, 0, 611, 612, 613, 0, 621, 622, 0, 631}},
        {ToolbarKind::Mode, 1, 159, {135, 0, 131, 132, 133}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toolbarResource(c.kind, c.language), c.resource);
        EXPECT_EQ(loadToolbar(c.resource).commands, c.commands) << "toolbar " << c.resource;
    }
    EXPECT_EQ(toolbarResource(ToolbarKind::Mode, 2), 159);  // any value but 0 is Japanese

    QToolBar bar;
    fillToolBar(&bar, 159, testPalette(), UiLanguage::Japanese);
    std::vector<int> commands;
    for (QAction* action : bar.actions())
        commands.push_back(action->isSeparator() ? 0 : commandOf(action));
    EXPECT_EQ(commands, (std::vector<int>{135, 0, 131, 132, 133}));
    EXPECT_EQ(findAction(&bar, 131)->toolTip(), QString("右クリック、同時動作"));
    EXPECT_FALSE(findAction(&bar, 131)->icon().isNull());
}

TEST(ResourceAccelerators, MainAccelTable)
{
    const std::vector<Accelerator> table = loadAccelerators();
    auto commandFor = [&](const QString& keys) {
        const QKeySequence sequence(keys, QKeySequence::PortableText);
        for (const Accelerator& a : table)
            if (a.keys == sequence)
                return a.command;
        return 0;
    };
    struct Case {
        const char* keys;
        int command;
    };
    const Case cases[] = {
        {"Shift+1", 501}, {"Shift+9", 509}, {"Shift+0", 510}, {"C", 113},
        {"Ctrl+C", 601},  {"Shift+C", 124}, {"Ctrl+D", 131},  {"Ctrl+F", 132},
        {"H", 901},       {"I", 110},       {"Shift+N", 940}, {"Ctrl+P", 603},
        {"R", 111},       {"Ctrl+R", 133},  {"Shift+R", 111}, {"S", 112},
        {"Ctrl+S", 602},  {"Shift+S", 123}, {"F1", 57668},    {"Tab", 651},
        {"Shift+Tab", 652}, {"Ctrl+X", 57665},
        {"Ctrl+Z", 631},  // design.md: Ctrl+Z runs Undo
        {"Z", 0},         {"Ctrl+I", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandFor(c.keys), c.command) << c.keys;
}

// ---------------------------------------------------------------- string table

TEST(ResourceStrings, TableByUiLanguageWithFallbackByGroupOfSixteen)
{
    struct Case {
        int id;
        UiLanguage table;
        QString text;
    };
    const QString doubleMode =
        "スライドバー操作時、右クリックで、カーソルと渇尺を同時動作します\n右クリック、同時動作";
    const Case cases[] = {
        {99, UiLanguage::English, "Kestrin for Windows"},
        {99, UiLanguage::Japanese, "Digital Kestrin for Windows"},
        {98, UiLanguage::Japanese, "Velmo - 片面型デジタル計算尺"},
        {98, UiLanguage::English, ""},       // group 97-112 has English entries, not 98
        {110, UiLanguage::Japanese, ""},     // group 97-112 has Japanese entries, not 110
        {131, UiLanguage::English, doubleMode},  // group 129-144: no English entry at all
        {611, UiLanguage::English, ""},      // group 609-624 has English 612
        {612, UiLanguage::English, "\nEditBox Slide move"},
        {711, UiLanguage::English, "Change &Unit"},
        {713, UiLanguage::English, "&Set"},  // group 713-728
        {57670, UiLanguage::English, "ヘルプ"},
        {1002, UiLanguage::English, "C=nD"},
        {1008, UiLanguage::Japanese, "CIF=10/(nD*sqrt(10))"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadString(c.id, c.table), c.text) << "string " << c.id;
}

TEST(ResourceStrings, PromptBeforeAndTipAfterTheNewline)
{
    EXPECT_EQ(stringPrompt(116, UiLanguage::English), QString());
    EXPECT_EQ(stringTip(116, UiLanguage::English), QString("90-0"));
    EXPECT_EQ(stringPrompt(621, UiLanguage::English), QString("0 Round Slide move"));
    EXPECT_EQ(stringTip(621, UiLanguage::English), QString());
    EXPECT_EQ(stringPrompt(135, UiLanguage::Japanese),
              QString("スライドバー操作で一定量、カーソルと渇尺が動作するようにロックします"));
    EXPECT_EQ(stringTip(135, UiLanguage::Japanese), QString("数値ロック"));
    EXPECT_EQ(stringTip(702, UiLanguage::Japanese), QString());
    EXPECT_EQ(stringPrompt(702, UiLanguage::Japanese), QString("リード(&R)\tShift+1"));
}
