#include "settingsstore.h"

#include <QSettings>

namespace settingsstore {

QString read(const QString& section, const QString& key, const QString& fallback)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                       QStringLiteral("Quorvane"));
    return settings.value(section + QLatin1Char('/') + key, fallback).toString();
}

} // namespace settingsstore
