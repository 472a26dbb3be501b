#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

std::unique_ptr<QTranslator>& ours()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qts()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts (the Cancel of a button box) in the same language, where
// the system has them.
void installQt(const QLocale& locale)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        qts() = std::move(translator);
    }
}

} // namespace

QStringList folders()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(bin + QStringLiteral("/../translations")),
            QDir::cleanPath(bin + QStringLiteral("/../share/quorvane/translations"))};
}

QString install(const QString& code)
{
    uninstall();
    auto translator = std::make_unique<QTranslator>();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    for (const QString& folder : folders()) {
        const bool loaded =
            code.isEmpty()
                ? translator->load(locale, QStringLiteral("quorvane"), QStringLiteral("_"), folder)
                : translator->load(QStringLiteral("quorvane_") + code, folder);
        if (loaded) {
            QCoreApplication::installTranslator(translator.get());
            const QString file = translator->filePath();
            ours() = std::move(translator);
            installQt(locale);
            // Dates and times (the status bar's) follow the chosen language too.
            QLocale::setDefault(locale);
            return file;
        }
    }
    return {};
}

QStringList everyTranslation(const char* context, const char* source, const char* comment)
{
    QStringList shown{QString::fromUtf8(source)};
    for (const QString& folder : folders()) {
        const QDir dir(folder);
        for (const QString& file :
             dir.entryList({QStringLiteral("quorvane_*.qm")}, QDir::Files, QDir::Name)) {
            QTranslator catalogue;
            if (!catalogue.load(dir.filePath(file)))
                continue;
            const QString text = catalogue.translate(context, source, comment);
            if (!text.isEmpty() && !shown.contains(text))
                shown << text;
        }
    }
    return shown;
}

void uninstall()
{
    QLocale::setDefault(QLocale::system());
    for (std::unique_ptr<QTranslator>* held : {&ours(), &qts()}) {
        if (*held) {
            QCoreApplication::removeTranslator(held->get());
            held->reset();
        }
    }
}

} // namespace language
