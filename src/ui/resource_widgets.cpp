// Menu resources and toolbar resources turned into Qt menus and toolbar buttons.

#include "ui/resources.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace resources {

QString actionText(const QString& resourceText)
{
    QString text = resourceText;
    text.replace(QChar(u'\b'), QChar(u'\t'));
    return text;
}

int commandOf(const QAction* action)
{
    if (!action)
        return 0;
    const QVariant data = action->data();
    return data.typeId() == QMetaType::Int ? data.toInt() : 0;
}

void fillMenu(QMenu* menu, const std::vector<MenuItem>& items, UiLanguage strings)
{
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (item.popup) {
            fillMenu(menu->addMenu(actionText(item.text)), item.children, strings);
        } else {
            // The text after "\t" only shows in the shortcut column; no shortcut is set, so a
            // key works only when the accelerator table has it.
            QAction* action = menu->addAction(actionText(item.text));
            action->setData(item.command);
            action->setStatusTip(stringPrompt(item.command, strings));
        }
    }
}

QMenu* buildMenu(const QString& title, const std::vector<MenuItem>& items, QWidget* parent,
                 UiLanguage strings)
{
    auto* menu = new QMenu(actionText(title), parent);
    fillMenu(menu, items, strings);
    return menu;
}

QMenuBar* buildMenuBar(const Menu& menu, QWidget* parent, UiLanguage strings)
{
    auto* bar = new QMenuBar(parent);
    for (const MenuItem& item : menu.items) {
        if (item.popup) {
            fillMenu(bar->addMenu(actionText(item.text)), item.children, strings);
        } else if (item.separator) {
            bar->addSeparator();
        } else {
            QAction* action = bar->addAction(actionText(item.text));
            action->setData(item.command);
            action->setStatusTip(stringPrompt(item.command, strings));
        }
    }
    return bar;
}

QAction* findAction(const QWidget* menuOrBar, int command)
{
    if (!menuOrBar)
        return nullptr;
    for (QAction* action : menuOrBar->actions()) {
        if (commandOf(action) == command)
            return action;
        if (QMenu* popup = action->menu()) {
            if (QAction* found = findAction(popup, command))
                return found;
        }
    }
    return nullptr;
}

void fillToolBar(QToolBar* bar, int resource, const QPalette& palette, UiLanguage strings)
{
    const Toolbar toolbar = loadToolbar(resource);
    const std::vector<QPixmap> images = toolbarImages(resource, palette);
    bar->clear();
    bar->setIconSize(QSize(toolbar.imageWidth, toolbar.imageHeight));
    std::size_t image = 0;
    for (int command : toolbar.commands) {
        if (command == 0) {
            bar->addSeparator();
            continue;
        }
        const QString tip = stringTip(command, strings);
        QAction* action = bar->addAction(QIcon(images.at(image++)), tip);
        action->setData(command);
        action->setToolTip(tip);
        action->setStatusTip(stringPrompt(command, strings));
    }
}

}  // namespace resources
