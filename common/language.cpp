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

// The source texts with their counts in English: a text that counts (%n)
// in the English catalogue's form for its number, every other text left to
// the source.
class CountsOnly : public QTranslator
{
public:
    CountsOnly()
    {
        for (const QString& folder : folders()) {
            if (m_english.load(QStringLiteral("quorvane_en"), folder))
                break;
        }
    }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        return n < 0 ? QString() : m_english.translate(context, source, disambiguation, n);
    }
    bool isEmpty() const override { return m_english.isEmpty(); }

private:
    QTranslator m_english;
};

// Installed first, so any catalogue installed later comes before it.
CountsOnly& counts()
{
    static CountsOnly translator;
    return translator;
}

// Whatever the language, even before one is chosen, a count reads right.
void installCounts()
{
    QCoreApplication::installTranslator(&counts());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installCounts)

QStringList folders()
{
    // The programs sit in bin/, quorvane-db's PDF writer in libexec/quorvane/.
    const QString dir = QCoreApplication::applicationDirPath();
    const QString prefix = QDir::cleanPath(dir + (dir.endsWith(QLatin1String("/libexec/quorvane"))
                                                      ? QStringLiteral("/../..")
                                                      : QStringLiteral("/..")));
    return {prefix + QStringLiteral("/translations"),
            prefix + QStringLiteral("/share/quorvane/translations")};
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

QString ownWords(const char* context, const char* source, int n)
{
    QString text = counts().translate(context, source, nullptr, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    return n < 0 ? text : text.replace(QStringLiteral("%n"), QString::number(n));
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
