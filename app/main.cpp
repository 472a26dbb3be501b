#include "boxmessagesink.h"
#include "datafolder.h"
#include "firststart.h"
#include "firststartdialog.h"
#include "settingsstore.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace {

struct Options
{
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("Keep the databases in <folder> (before QUORVANE_DATA, "
                                           "the program's own folder and "
                                           "$XDG_DATA_HOME/Quorvane)."),
                            QStringLiteral("folder")};
    QCommandLineOption check{QStringLiteral("check-data"),
                             QStringLiteral("Start as far as the login dialog without showing a "
                                            "window: print the data folder in use and whether "
                                            "the login can begin, then exit.")};
};

void describe(QCommandLineParser& parser, Options& options)
{
    parser.setApplicationDescription(QStringLiteral(
        "Manages a GSM door-entry unit: operators, the room directory, and the serial link that\n"
        "sends the unit its settings and directory.\n\n"
        "The data folder is the first of: --data; QUORVANE_DATA; the program's own folder when\n"
        "it holds either database; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane)."));
    // Qt's own options are single-dash words (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.data, options.check});
}

// The options QApplication takes for itself are left to it.
bool onlyQtOptions(const QCommandLineParser& parser)
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
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return false;
    for (const QString& name : unknown) {
        if (!qtOptions.contains(name))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help, --version and --check-data answer without a display.
    {
        QCoreApplication plain(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
        QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
        QCommandLineParser parser;
        Options options;
        describe(parser, options);
        if (!parser.parse(QCoreApplication::arguments()) && !onlyQtOptions(parser)) {
            std::fprintf(stderr, "quorvane: %s\nTry 'quorvane --help' for more information.\n",
                         qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help")))
            parser.showHelp(0);
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        if (parser.isSet(options.check)) {
            QTextStream out(stdout);
            return startup::check(datafolder::resolve(parser.value(options.data)), out);
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(settingsstore::kName));
    QApplication::setOrganizationName(QString::fromLatin1(settingsstore::kName));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    QCommandLineParser parser;
    Options options;
    describe(parser, options);
    parser.process(app);
    const datafolder::Choice folder = datafolder::resolve(parser.value(options.data));

    // The dialogs stay hidden rather than closed; only the end of the main
    // window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    BoxMessageSink messages;
    return startup::run(folder, messages, [](FirstStart& first) {
        FirstStartDialog dialog(first);
        return dialog.exec() == QDialog::Accepted;
    });
}
