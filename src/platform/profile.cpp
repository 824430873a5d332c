#include "platform/profile.h"

#include <QCoreApplication>

Profile::Profile(const QString& organisation)
    : m_store(QSettings::IniFormat, QSettings::UserScope, organisation,
              QCoreApplication::applicationName())
{
}

uint32_t Profile::getInt(const QString& section, const QString& key, int32_t defaultValue) const
{
    const QString text = m_store.value(path(section, key)).toString().trimmed();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) {
        // Beyond 64 bits: keep the low 32 of what fits, as a cut would.
        const qulonglong big = text.toULongLong(&ok);
        if (!ok)
            return static_cast<uint32_t>(defaultValue);
        return static_cast<uint32_t>(big);
    }
    return static_cast<uint32_t>(static_cast<qulonglong>(value));
}

void Profile::writeInt(const QString& section, const QString& key, int32_t value)
{
    m_store.setValue(path(section, key), QString::number(static_cast<uint32_t>(value)));
}

QString Profile::getString(const QString& section, const QString& key,
                           const QString& defaultValue) const
{
    const QVariant value = m_store.value(path(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void Profile::writeString(const QString& section, const QString& key, const QString& text)
{
    m_store.setValue(path(section, key), text);
}

void Profile::sync() { m_store.sync(); }
