#include "roomaddressing.h"
#include "roomimport.h"

#include "bulkstatement.h"
#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "roomcsv.h"
#include "roomrecord.h"
#include "schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>

// Reading the room directory: for an import's comparison, and as an export.
namespace roomimport {

Outcome roomTable(const store::Connection& connection)
{
    if (!connection.opened())
        return connection.opened();
    return database::checkTable(connection.db(), schema::directoryTable(), connection.path());
}

Addressing addressing(const QSqlDatabase& db)
{
    const QStringList key = database::rowKey(db, QStringLiteral("Room_tel"));
    QStringList order;
    for (const QString& column : key)
        order << database::quotedIdentifier(column);
    Addressing a;
    a.byKey = key.size() == 1;
    a.select = QStringLiteral("SELECT %1, \"Room\", \"TEL1\", \"TEL2\", \"TEL3\" FROM \"Room_tel\"")
                   .arg(a.byKey ? order.first() : QStringLiteral("NULL"));
    if (!order.isEmpty())
        a.select += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    a.update =
        QStringLiteral("UPDATE \"Room_tel\" SET \"TEL1\" = ?, \"TEL2\" = ?, \"TEL3\" = ? WHERE ") +
        (a.byKey ? order.first() + QStringLiteral(" = ?")
                 : QStringLiteral("coalesce(\"Room\", '') = ? AND coalesce(\"TEL1\", '') = ? AND "
                                  "coalesce(\"TEL2\", '') = ? AND coalesce(\"TEL3\", '') = ?"));
    return a;
}

Outcome readDirectory(const store::Database& path, QList<RoomRecord>& rooms)
{
    rooms.clear();
    const store::Connection connection(path, QStringLiteral("roomimport"),
                                       database::Access::ReadWrite);
    if (Outcome ready = roomTable(connection); !ready)
        return ready;
    BulkStatement select(connection.db(), addressing(connection.db()).select);
    if (select.run()) {
        while (select.next())
            rooms << select.record(1);
    }
    if (select.failed())
        return Outcome::failure(
            QCoreApplication::translate("roomimport", "The room directory in %1 cannot be read: %2")
                .arg(path.describe(), select.error(path)));
    return Outcome::success();
}

Outcome exportCsv(const store::Database& path, QByteArray& csv)
{
    // Each room goes to the text as it is read, so the directory is never
    // held twice.
    const store::Connection connection(path, QStringLiteral("roomimport"),
                                       database::Access::ReadWrite);
    if (Outcome ready = roomTable(connection); !ready)
        return ready;
    QByteArray text = roomcsv::header();
    // The file takes about as much as the database; more grows as needed.
    text.reserve(QFileInfo(path.path()).size());
    const QString sql = addressing(connection.db()).select;
    // Straight from SQLite when the driver shares the library: the values
    // go to the file as the UTF-8 they are stored in.
    if (const auto select = engine::prepare(connection.db(), sql)) {
        engine::Statement::Step step;
        while ((step = select->step()) == engine::Statement::Step::Row)
            roomcsv::appendRow(
                text, {select->bytes(1), select->bytes(2), select->bytes(3), select->bytes(4)});
        if (step != engine::Statement::Step::Done) {
            const auto [code, words] = select->error();
            return Outcome::failure(
                QCoreApplication::translate("roomimport",
                                            "The room directory in %1 cannot be read: %2")
                    .arg(path.describe(), database::plainError(code, words, path.path())));
        }
        csv = std::move(text);
        return Outcome::success();
    }
    // From a server in one COPY, each room's values as the UTF-8 the server
    // sends them in.
    if (const engine::BulkCopy* bulk = engine::bulkCopyOf(connection.db())) {
        const Outcome read =
            bulk->copyOut(connection.db(), sql, [&](std::span<const QByteArrayView> values) {
                if (values.size() == 5)
                    roomcsv::appendRow(text, {values[1], values[2], values[3], values[4]});
            });
        if (!read)
            return Outcome::failure(QCoreApplication::translate(
                                        "roomimport", "The room directory in %1 cannot be read: %2")
                                        .arg(path.describe(), read.description()));
        csv = std::move(text);
        return Outcome::success();
    }
    BulkStatement select(connection.db(), sql);
    if (select.run()) {
        while (select.next())
            roomcsv::appendRow(text, select.record(1));
    }
    if (select.failed())
        return Outcome::failure(
            QCoreApplication::translate("roomimport", "The room directory in %1 cannot be read: %2")
                .arg(path.describe(), select.error(path)));
    csv = std::move(text);
    return Outcome::success();
}

Outcome exportTo(const store::Database& path, const QString& target, outputfile::Reader reader)
{
    if (Outcome usable = path.checkOutput(target); !usable)
        return usable;
    QByteArray csv;
    if (Outcome read = exportCsv(path, csv); !read)
        return read;
    return outputfile::write(target, csv, reader);
}

} // namespace roomimport
