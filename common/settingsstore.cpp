#include "settingsstore.h"

#include <QSettings>

namespace settingsstore {

namespace {

QSettings store()
{
    return {QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kName),
            QString::fromLatin1(kName)};
}

} // namespace

QString fileName()
{
    return store().fileName();
}

QString read(const QString& section, const QString& key, const QString& fallback)
{
    return store().value(section + QLatin1Char('/') + key, fallback).toString();
}

} // namespace settingsstore
