// Against a building on a local PostgreSQL server (run under pg_virtualenv):
// opens 100,000 rooms in the real tel_num window, offscreen, beside psql
// copying the same table out; times a row write on a move, and how long
// another PC's write takes to show in the open window.

#include "database.h"
#include "messagesink.h"
#include "roomdirectoryview.h"
#include "roomgrid.h"
#include "roomimport.h"
#include "schema.h"
#include "server.h"
#include "serversetup.h"
#include "telnumwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRooms = 100000;

class PrintingSink : public MessageSink
{
public:
    void show(const QString& text, const QString&, Icon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

double psqlCopyMs(const QString& building)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral("psql"), {QStringLiteral("-q"), QStringLiteral("-c"),
                                           QStringLiteral("\\copy %1.\"Room_tel\" to stdout")
                                               .arg(database::quotedIdentifier(building))});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString building = QStringLiteral("Bench %1").arg(QCoreApplication::applicationPid());
    const Expected<server::Place> place = server::parse(QStringLiteral("postgresql://"), building);
    if (!place)
        return 1;
    const store::Location where = store::Location::building(*place);
    if (!serversetup::prepare(where, databasesetup::Operator{"bench", "1234"})) {
        std::fprintf(stderr, "no server: run under pg_virtualenv\n");
        return 1;
    }
    const store::Database path = where.database(schema::kDirectoryFile);
    QList<RoomRecord> rooms;
    for (int i = 0; i < kRooms; ++i)
        rooms << RoomRecord{QString::number(1000000 + i),
                            QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0')),
                            {},
                            {}};
    if (Outcome written = roomimport::write(path, rooms, true, nullptr); !written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.description()));
        return 1;
    }

    psqlCopyMs(building);
    double psql = 1e9;
    for (int i = 0; i < 3; ++i)
        psql = std::min(psql, psqlCopyMs(building));

    PrintingSink sink;
    QElapsedTimer timer;
    timer.start();
    auto* view = new RoomDirectoryView;
    auto* window = new TelNumWindow(*view, where, sink);
    window->show();
    QApplication::processEvents();
    const QPixmap shot = window->grid()->viewport()->grab();
    const bool shows = window->grid()->indexAt(QPoint(1, 1)).isValid();
    const double openMs = timer.nsecsElapsed() / 1e6;

    RoomDirectoryView& cursor = window->datPrimaryRS();
    constexpr int kWrites = 50;
    double worst = 0;
    double total = 0;
    if (!cursor.moveFirst())
        qFatal("the first room cannot be reached");
    for (int i = 0; i < kWrites; ++i) {
        if (!cursor.setField(RoomDirectoryView::kTel3, QStringLiteral("0%1").arg(i)))
            qFatal("a room cannot be changed");
        timer.restart();
        if (Outcome moved = cursor.moveNext(); !moved) {
            std::fprintf(stderr, "%s\n", qPrintable(moved.description()));
            return 1;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        total += ms;
    }

    // Another PC: a connection of its own writes a room the window shows.
    const QString other = QStringLiteral("other");
    if (database::connect(path, other, database::Access::AsFound).isValid())
        return 1;
    double latestSeen = 0;
    double seenTotal = 0;
    constexpr int kChanges = 10;
    for (int i = 0; i < kChanges; ++i) {
        const QString value = QStringLiteral("77%1").arg(i);
        QSqlQuery write(QSqlDatabase::database(other, false));
        write.prepare(QStringLiteral("UPDATE \"Room_tel\" SET \"TEL2\" = ? WHERE \"Room\" = ?"));
        write.addBindValue(value);
        write.addBindValue(QString::number(1000000 + kRooms - 1));
        timer.restart();
        write.exec();
        while (cursor.value(kRooms - 1, RoomDirectoryView::kTel2) != value &&
               timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        const double ms = timer.nsecsElapsed() / 1e6;
        latestSeen = std::max(latestSeen, ms);
        seenTotal += ms;
    }
    database::close(other);

    std::printf("psql \\copy of %d rooms        %8.1f ms\n", kRooms, psql);
    std::printf("open tel_num until rows shown  %8.1f ms (%.2f x psql)%s\n", openMs, openMs / psql,
                shows ? "" : " NO ROWS SHOWN");
    std::printf("row write on a move            %8.2f ms average, %.2f ms worst of %d\n",
                total / kWrites, worst, kWrites);
    std::printf("another PC's write shown after %8.1f ms average, %.1f ms worst of %d\n",
                seenTotal / kChanges, latestSeen, kChanges);
    window->close();
    delete window;
    {
        const QString drop = QStringLiteral("drop");
        if (!database::connect(path, drop, database::Access::AsFound).isValid())
            QSqlQuery(QSqlDatabase::database(drop, false))
                .exec(QStringLiteral("DROP SCHEMA %1 CASCADE")
                          .arg(database::quotedIdentifier(building)));
        database::close(drop);
    }
    return 0;
}
