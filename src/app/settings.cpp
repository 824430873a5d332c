#include "app/settings.h"

Settings g_settings;

std::array<QString, kConstantCount> Settings::defaultConstants()
{
    return {QStringLiteral("2.718282=e"),       QStringLiteral("3.141592=π"),
            QStringLiteral("57.29578=1Radian"), QStringLiteral("1.4142136=√2"),
            QStringLiteral("1.7320508=√3"),     QStringLiteral("2.2360680=√5"),
            QStringLiteral("3.1622777=√10"),    QStringLiteral("3.3333333=10/3")};
}

std::array<QString, kHistoryCount> Settings::defaultHistories()
{
    std::array<QString, kHistoryCount> texts;
    for (int n = 1; n <= kHistoryCount; ++n)
        texts[n - 1] = QString::asprintf("%d.00000", n);
    return texts;
}
