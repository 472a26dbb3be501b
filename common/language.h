#pragma once

#include <QString>
#include <QStringList>

// The program's texts in the operator's language: the catalogue (quorvane_CODE.qm)
// for the chosen language or, with none chosen, for the locale's languages.
namespace language {

// Where catalogues are looked for: beside the build's executables, then where
// the package installs them.
QStringList folders();

// Installs the catalogue for code ("en", "zh_CN"), or for the system locale's
// languages when code is empty, on the running application. Without one
// (the C locale, a language with no catalogue) the texts stay the source
// texts. Either way, from the application's start, a count the catalogue
// does not word ("%n rooms") takes the English catalogue's form for its
// number ("1 room"). The locale of the language found becomes the default
// one. Returns the file loaded for the language, empty when none was.
QString install(const QString& code = QString());

// A text in the program's own words, whatever the operator's language, for
// what scripts read (JSON, CSV): the source text, a count (%n, n) in the
// English catalogue's form for its number ("1 change", "3 changes").
QString ownWords(const char* context, const char* source, int n = -1);

// Takes the installed catalogue away again.
void uninstall();

// A text as every catalogue found translates it (the source text when none
// does), whichever language is installed: what the text may be shown as on
// any PC.
QStringList everyTranslation(const char* context, const char* source,
                             const char* comment = nullptr);

} // namespace language
