// Loading the resource data: menus, accelerators and toolbars from res/menus.json, the string
// tables from res/strings.json, bitmaps from XPM text. Each JSON file is read once.

#include "ui/resources.h"

#include "platform/system_colours.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPalette>

#include <map>

namespace resources {
namespace {

QJsonObject readJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

const QJsonObject& menuData()
{
    static const QJsonObject data = readJson(QStringLiteral(":/res/menus.json"));
    return data;
}

std::vector<MenuItem> parseItems(const QJsonArray& array)
{
    std::vector<MenuItem> items;
    items.reserve(array.size());
    for (const QJsonValue& value : array) {
        MenuItem item;
        if (value.isString()) {  // "-"
            item.separator = true;
        } else {
            const QJsonObject object = value.toObject();
            item.text = object.value(QLatin1String("text")).toString();
            if (object.contains(QLatin1String("items"))) {
                item.popup = true;
                item.children = parseItems(object.value(QLatin1String("items")).toArray());
            } else {
                item.command = object.value(QLatin1String("id")).toInt();
            }
        }
        items.push_back(std::move(item));
    }
    return items;
}

QJsonObject toolbarData(int resource)
{
    for (const QJsonValue& value : menuData().value(QLatin1String("toolbars")).toArray()) {
        const QJsonObject object = value.toObject();
        if (object.value(QLatin1String("resource")).toInt() == resource)
            return object;
    }
    return {};
}

QString bitmapPath(int id)
{
    switch (id) {
    case 110:
    case 132:
    case 158:
    case 187:
        return QStringLiteral(":/res/bitmaps/bmp%1.xpm").arg(id);
    default:
        break;
    }
    const QString strip = toolbarData(id).value(QLatin1String("bitmap")).toString();
    return strip.isEmpty() ? QString() : QStringLiteral(":/res/bitmaps/%1.xpm").arg(strip);
}

using StringTable = std::map<int, QString>;

struct StringTables {
    StringTable english;
    StringTable japanese;
};

void addEntries(StringTable& table, const QJsonObject& object)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        table[it.key().toInt()] = it.value().toString();
}

const StringTables& stringTables()
{
    static const StringTables tables = [] {
        const QJsonObject data = readJson(QStringLiteral(":/res/strings.json"));
        StringTables t;
        addEntries(t.english, data.value(QLatin1String("English")).toObject());
        addEntries(t.japanese, data.value(QLatin1String("Japanese")).toObject());
        addEntries(t.english, data.value(QLatin1String("Both")).toObject());
        addEntries(t.japanese, data.value(QLatin1String("Both")).toObject());
        return t;
    }();
    return tables;
}

// Groups of 16 numbers: 1-16 is group 0, 17-32 group 1, and so on.
int groupOf(int id) { return id >= 1 ? (id - 1) / 16 : (id - 16) / 16; }

bool hasGroup(const StringTable& table, int group)
{
    const auto it = table.lower_bound(group * 16 + 1);
    return it != table.end() && it->first <= group * 16 + 16;
}

QRgb opaque(const QColor& colour) { return colour.rgb() | 0xFF000000u; }

QRgb mapped(QRgb pixel, const ButtonColours& colours)
{
    switch (pixel) {
    case 0xFF000000u: return opaque(colours.text);
    case 0xFF808080u: return opaque(colours.shadow);
    case 0xFFC0C0C0u: return opaque(colours.face);
    case 0xFFFFFFFFu: return opaque(colours.highlight);
    default: return pixel;
    }
}

}  // namespace

// ---------------------------------------------------------------- menus and accelerators

Menu loadMenu(const QString& name)
{
    const QJsonValue value = menuData().value(QLatin1String("menus")).toObject().value(name);
    if (!value.isArray())
        return {};
    return {name, parseItems(value.toArray())};
}

std::vector<Accelerator> loadAccelerators(const QString& name)
{
    std::vector<Accelerator> table;
    const QJsonArray entries =
        menuData().value(QLatin1String("accelerators")).toObject().value(name).toArray();
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        table.push_back({QKeySequence(entry.value(QLatin1String("keys")).toString(),
                                      QKeySequence::PortableText),
                         entry.value(QLatin1String("id")).toInt()});
    }
    return table;
}

// ---------------------------------------------------------------- toolbars

int toolbarResource(ToolbarKind kind, int language)
{
    const bool english = language == 0;
    switch (kind) {
    case ToolbarKind::Numbering: return english ? 162 : 154;
    case ToolbarKind::Edit: return english ? 160 : 156;
    case ToolbarKind::Mode: return english ? 161 : 159;
    }
    return 0;
}

Toolbar loadToolbar(int resource)
{
    const QJsonObject object = toolbarData(resource);
    if (object.isEmpty())
        return {};
    Toolbar toolbar;
    toolbar.resource = resource;
    for (const QJsonValue& value : object.value(QLatin1String("buttons")).toArray())
        toolbar.commands.push_back(value.toInt());
    return toolbar;
}

std::vector<QPixmap> toolbarImages(int resource, const QPalette& palette)
{
    const Toolbar toolbar = loadToolbar(resource);
    const QImage strip = loadMappedBitmap(resource, palette);
    std::vector<QPixmap> images;
    int index = 0;
    for (int command : toolbar.commands) {
        if (command == 0)
            continue;
        const QRect cell(index * toolbar.imageWidth, 0, toolbar.imageWidth, toolbar.imageHeight);
        images.push_back(QPixmap::fromImage(strip.copy(cell)));
        ++index;
    }
    return images;
}

// ---------------------------------------------------------------- bitmaps

QImage loadBitmap(int id)
{
    const QString path = bitmapPath(id);
    return path.isEmpty() ? QImage() : QImage(path);
}

QImage mapButtonColours(const QImage& image, const ButtonColours& colours)
{
    if (image.isNull())
        return image;
    if (image.format() == QImage::Format_Indexed8) {
        QImage result = image;
        QList<QRgb> table = result.colorTable();
        for (QRgb& entry : table)
            entry = mapped(entry, colours);
        result.setColorTable(table);
        return result;
    }
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = mapped(line[x], colours);
    }
    return result;
}

QImage mapButtonColours(const QImage& image, const QPalette& palette)
{
    return mapButtonColours(image, ButtonColours{palette.color(QPalette::ButtonText),
                                                 palette.color(QPalette::Dark),
                                                 palette.color(QPalette::Button),
                                                 palette.color(QPalette::Light)});
}

QImage loadMappedBitmap(int id, const QPalette& palette)
{
    return mapButtonColours(loadBitmap(id), palette);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/res/icon/kestrin%1.xpm").arg(size), QSize(size, size));
    return icon;
}

// ---------------------------------------------------------------- string table

UiLanguage systemUiLanguage()
{
    const QString first = QLocale::system().uiLanguages().value(0);
    return first.startsWith(QLatin1String("ja")) ? UiLanguage::Japanese : UiLanguage::English;
}

QString loadString(int id, UiLanguage table)
{
    const StringTables& tables = stringTables();
    const StringTable* chosen = table == UiLanguage::Japanese ? &tables.japanese : &tables.english;
    const StringTable* other = table == UiLanguage::Japanese ? &tables.english : &tables.japanese;
    if (!hasGroup(*chosen, groupOf(id)))
        chosen = other;
    const auto it = chosen->find(id);
    return it == chosen->end() ? QString() : it->second;
}

QString stringPrompt(int id, UiLanguage table)
{
    const QString text = loadString(id, table);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    return newline < 0 ? text : text.left(newline);
}

QString stringTip(int id, UiLanguage table)
{
    const QString text = loadString(id, table);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : text.mid(newline + 1);
}

}  // namespace resources
