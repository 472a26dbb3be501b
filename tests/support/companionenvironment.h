#pragma once

#include <QProcessEnvironment>

// The environment a companion runs in under test: the language is LANG's
// alone (the source texts of the C locale unless a row asks for another),
// whatever the developer's LANGUAGE, LC_ALL or LC_MESSAGES say.
inline QProcessEnvironment companionEnvironment(const QString& lang = QStringLiteral("C.UTF-8"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}
