#include "boxmessagesink.h"
#include "datafolder.h"
#include "firststart.h"
#include "firststartdialog.h"
#include "language.h"
#include "location.h"
#include "settingsstore.h"
#include "startup.h"

#include "commandline.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

const char kHelp[] =
    "Usage: %1 [options]\n"
    "Manages a GSM door-entry unit: operators, the room directory, and the serial link that\n"
    "sends the unit its settings and directory.\n"
    "\n"
    "The data folder is the first of: --data; QUORVANE_DATA; the program's own folder when\n"
    "it holds either database; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane).\n"
    "\n"
    "Options:\n"
    "  -h, --help       Displays help on commandline options.\n"
    "  --help-all       Displays help including Qt specific options.\n"
    "  -v, --version    Displays version information.\n"
    "  --data <folder>  Keep the databases in <folder> (before QUORVANE_DATA, the\n"
    "                   program's own folder and $XDG_DATA_HOME/Quorvane).\n"
    "  --check-data     Start as far as the login dialog without showing a window:\n"
    "                   print the data folder in use and whether the login can begin,\n"
    "                   then exit.\n"
    "  --database <uri> Keep the directory on a PostgreSQL server instead (a libpq\n"
    "                   connection URI or service=NAME; before QUORVANE_DATABASE and\n"
    "                   QUORVANE_DATABASE under [Database] in the settings file).\n"
    "  --building <name> The building on that server (before QUORVANE_BUILDING and\n"
    "                   QUORVANE_BUILDING under [Database] in the settings file).\n"
    "  --language <code> Show the texts in this language (en, zh_CN) instead of the\n"
    "                   locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); a language\n"
    "                   without a catalogue keeps the program's own texts.\n";

const char kQtOptions[] = "Qt's own options, such as -platform, -style, -stylesheet and "
                          "-geometry, are passed to Qt.\n";

// The options QApplication takes for itself are left to it, with one dash
// or two, the way it reads them.
bool isQtOption(const QString& name)
{
    static const QStringList qtOptions{"platform",
                                       "platformpluginpath",
                                       "platformtheme",
                                       "plugin",
                                       "qwindowgeometry",
                                       "qwindowicon",
                                       "qwindowtitle",
                                       "reverse",
                                       "session",
                                       "display",
                                       "geometry",
                                       "style",
                                       "stylesheet",
                                       "widgetcount",
                                       "nograb",
                                       "dograb",
                                       "sync",
                                       "name",
                                       "title"};
    return qtOptions.contains(name);
}

struct Options
{
    bool help = false;
    bool helpAll = false;
    bool version = false;
    bool check = false;
    QString data;
    QString database;
    QString building;
    QString language;
};

// Our own options may be written with one dash or two ("-help", "--data"),
// like Qt's. A value that follows a Qt option is left in place for Qt.
Outcome parse(const QStringList& arguments, Options& options)
{
    static const QStringList flags{"h", "help", "help-all", "v", "version", "check-data"};
    QStringList positional;
    return commandline::walk(
        arguments, positional,
        [](const QString& option, bool) -> commandline::Kind {
            const QString name = commandline::bareName(option);
            if (name == QLatin1String("data") || name == QLatin1String("database") ||
                name == QLatin1String("building") || name == QLatin1String("language"))
                return commandline::Takes::Value;
            if (flags.contains(name) || isQtOption(name))
                return commandline::Takes::Nothing;
            return QStringLiteral("Unknown option '%1'.").arg(name);
        },
        [&options](const QString& option, const std::optional<QString>& value) {
            const QString name = commandline::bareName(option);
            if (name == QLatin1String("language")) {
                options.language = *value;
                return value->isEmpty()
                           ? Outcome::failure(QStringLiteral("--language needs a code, such as en "
                                                             "or zh_CN."))
                           : Outcome::success();
            }
            if (name == QLatin1String("data") || name == QLatin1String("database") ||
                name == QLatin1String("building")) {
                (name == QLatin1String("data")       ? options.data
                 : name == QLatin1String("database") ? options.database
                                                     : options.building) = *value;
                return Outcome::success();
            }
            if (isQtOption(name))
                return Outcome::success();
            if (value)
                return Outcome::failure(QStringLiteral("Unexpected value after '%1'.").arg(option));
            if (name == QLatin1String("h") || name == QLatin1String("help"))
                options.help = true;
            else if (name == QLatin1String("help-all"))
                options.helpAll = true;
            else if (name == QLatin1String("v") || name == QLatin1String("version"))
                options.version = true;
            else
                options.check = true;
            return Outcome::success();
        },
        commandline::Dashes::OneOrTwo);
}

// A building on a server stands where the data folder would.
store::Location chosenLocation(const std::optional<store::Location>& building, const QString& data)
{
    return building ? *building : store::Location::folder(datafolder::resolve(data));
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    std::optional<store::Location> building;
    // --help, --version and --check-data answer without a display.
    {
        QCoreApplication plain(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
        QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
        const QStringList arguments = QCoreApplication::arguments();
        if (const Outcome parsed = parse(arguments.mid(1), options); !parsed) {
            QTextStream err(stderr);
            return commandline::usageError(err, QStringLiteral("quorvane"),
                                           QStringLiteral("quorvane: ") + parsed.description());
        }
        QTextStream out(stdout);
        const Expected<std::optional<store::Location>> chosen =
            store::Location::chosen(options.database, options.building,
                                    options.data.isEmpty() ? store::Location::Settings::Read
                                                           : store::Location::Settings::Ignore);
        if (!chosen) {
            std::fprintf(stderr, "quorvane: %s\n", qPrintable(chosen.error()));
            return commandline::kUsageError;
        }
        building = *chosen;
        if (options.help) {
            out << QString::fromUtf8(kHelp).arg(arguments.value(0));
            return 0;
        }
        if (options.version) {
            out << QStringLiteral("quorvane " QUORVANE_VERSION "\n");
            return 0;
        }
        if (options.check)
            return startup::check(chosenLocation(building, options.data), out);
        if (options.helpAll) {
            out << QString::fromUtf8(kHelp).arg(arguments.value(0)) << kQtOptions;
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(settingsstore::kName));
    QApplication::setOrganizationName(QString::fromLatin1(settingsstore::kName));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    // A language asked for by name that has no catalogue is told, and the
    // program goes on with its own texts.
    if (language::install(options.language).isEmpty() && !options.language.isEmpty())
        std::fprintf(stderr,
                     "quorvane: no catalogue for the language '%s' in %s; the texts stay as they "
                     "are.\n",
                     qPrintable(options.language),
                     qPrintable(language::folders().join(QStringLiteral(" or "))));
    const store::Location location = chosenLocation(building, options.data);

    // The dialogs stay hidden rather than closed; only the end of the main
    // window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    BoxMessageSink messages;
    return startup::run(location, messages, [](FirstStart& first) {
        FirstStartDialog dialog(first);
        return dialog.exec() == QDialog::Accepted;
    });
}
