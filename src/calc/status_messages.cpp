#include "calc/status_messages.h"

#include <array>

namespace calc {

namespace {

struct StatusText {
    StatusId id;
    const char16_t* english;
    const char16_t* japanese;
};

// clang-format off
constexpr std::array<StatusText, 11> kStatusTexts = {{
    {StatusId::Moved,             u"Moved %s.",                               u"%s を移動しました。"},
    {StatusId::CannotMove,        u"Cannot move %s.",                         u"%s を移動できません。"},
    {StatusId::DomainError,       u"DOMAIN error.",                           u"DOMAIN error."},
    {StatusId::OverflowError,     u"Slide Rule overflow error.",              u"Slide Rule overflow error."},
    {StatusId::CopiedToEditBox,   u"Copied \"%s\" in the EditBox.",           u"\"%s\" をエディット・ボックスにコピーしました。"},
    {StatusId::CopiedToClipboard, u"Copied \"%s\" in the Clipboard.",         u"\"%s\" をクリップボードにコピーしました。"},
    {StatusId::SavedMemory,       u"Saved the position of %s. <Memory %d>",   u"%s の位置を記録しました。<メモリ %d>"},
    {StatusId::LoadedMemory,      u"Loaded the position of %s. <Memory %d>",  u"%s の位置をロードしました。<メモリ %d>"},
    {StatusId::Greeting,          u"\"%s\"   %s - %s",                        u"\"%s\"   %s - %s"},
    {StatusId::Positions,         u"Slide Position=%ld, Cursor Position=%ld,", u"Slide Position=%ld, Cursor Position=%ld,"},
    {StatusId::BuildDateTime,     u"Build Date & Time:  %s ",                 u"Build Date & Time:  %s "},
}};

constexpr std::array<const char16_t*, 8> kGreetings = {
    u"Hello!", u"Wellcame.", u"How are you?", u"Thank you.",
    u"Good!", u"Please enjoy.", u"OK, let's play.", u"You are lucky.",
};
// clang-format on

}  // namespace

QString statusTemplate(StatusId id, int language)
{
    for (const StatusText& text : kStatusTexts) {
        if (text.id == id)
            return QString::fromUtf16(language == 0 ? text.english : text.japanese);
    }
    return QString();
}

QString partName(MovePart part, int language)
{
    if (language == 0)
        return part == MovePart::Slide ? QStringLiteral("SLIDE") : QStringLiteral("CURSOR");
    return part == MovePart::Slide ? QStringLiteral("渇尺") : QStringLiteral("カーソル");
}

QString statusMessage(StatusId id, int language, std::initializer_list<QString> arguments)
{
    const QString pattern = statusTemplate(id, language);
    QString result;
    auto argument = arguments.begin();
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        if (pattern.at(k) == u'%' && argument != arguments.end()) {
            const QStringView rest = QStringView(pattern).mid(k + 1);
            const qsizetype fieldLength = rest.startsWith(u"ld") ? 3
                                          : (rest.startsWith(u's') || rest.startsWith(u'd')) ? 2
                                                                                              : 0;
            if (fieldLength > 0) {
                result += *argument++;
                k += fieldLength - 1;
                continue;
            }
        }
        result += pattern.at(k);
    }
    return result;
}

QString greeting(int index)
{
    const int k = ((index % 8) + 8) % 8;
    return QString::fromUtf16(kGreetings[static_cast<size_t>(k)]);
}

}  // namespace calc
