#include "schema.h"

#include "database.h"

QStringList TableSpec::fieldNames() const
{
    QStringList names;
    for (const FieldSpec& f : fields)
        names << f.name;
    return names;
}

namespace schema {

TableSpec operatorTable()
{
    return {QStringLiteral("user_pin"),
            {{QStringLiteral("user"), kOperatorWidth, true},
             {QStringLiteral("password"), kOperatorWidth, true}}};
}

TableSpec serverOperatorView()
{
    TableSpec view = operatorTable();
    view.table = QStringLiteral("operators");
    view.key = {QStringLiteral("id")};
    return view;
}

TableSpec directoryTable()
{
    return {QStringLiteral("Room_tel"),
            {{QStringLiteral("Room"), kRoomWidth},
             {QStringLiteral("TEL1"), kTelephoneWidth},
             {QStringLiteral("TEL2"), kTelephoneWidth},
             {QStringLiteral("TEL3"), kTelephoneWidth}}};
}

QString createStatement(const TableSpec& layout)
{
    QStringList columns{QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")};
    for (const FieldSpec& f : layout.fields) {
        const QString name = database::quotedIdentifier(f.name);
        QString column = name + QStringLiteral(" TEXT");
        if (f.maxLength > 0)
            column += QStringLiteral(" CHECK (length(%1) <= %2)").arg(name).arg(f.maxLength);
        // SQLite counts code points, not the login box's UTF-16 units, and
        // cannot tell invalid UTF-8: the companion and the program check those.
        if (f.loginText)
            column += QStringLiteral(" CHECK (%1 NOT GLOB '*[' || char(1) || '-' || char(31) || "
                                     "char(127) || '-' || char(159) || ']*')")
                          .arg(name);
        columns << column;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(database::quotedIdentifier(layout.table), columns.join(QStringLiteral(", ")));
}

QStringList transferRecordStatements()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS transfer_log ("
                           "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "started TEXT NOT NULL, finished TEXT, operator TEXT, port TEXT, "
                           "device TEXT, what TEXT NOT NULL, open_time INTEGER, auto_mode INTEGER, "
                           "sent INTEGER NOT NULL DEFAULT 0, total INTEGER NOT NULL DEFAULT 0, "
                           "outcome TEXT NOT NULL, reason TEXT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS transfer_log_time "
                           "ON transfer_log (started, id)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS transfer_room ("
                           "transfer INTEGER NOT NULL, position INTEGER NOT NULL, "
                           "%1, PRIMARY KEY (transfer, position)) WITHOUT ROWID")
                .arg(sentRoomColumns().join(QStringLiteral(" TEXT, ")) + QStringLiteral(" TEXT"))};
}

QStringList sentRoomColumns()
{
    QStringList quoted;
    for (const QString& name : directoryTable().fieldNames())
        quoted << database::quotedIdentifier(name);
    return quoted;
}

QStringList sentRoomRenames(const QStringList& found)
{
    QStringList statements;
    for (const QString& name : directoryTable().fieldNames()) {
        for (const QString& column : found) {
            if (column != name && column.compare(name, Qt::CaseInsensitive) == 0)
                statements << QStringLiteral("ALTER TABLE transfer_room RENAME COLUMN %1 TO %2")
                                  .arg(database::quotedIdentifier(column),
                                       database::quotedIdentifier(name));
        }
    }
    return statements;
}

QStringList changeRecordStatements()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS change_record ("
                           "id INTEGER PRIMARY KEY AUTOINCREMENT, happened TEXT NOT NULL, "
                           "operator TEXT NOT NULL, host TEXT NOT NULL, os_user TEXT NOT NULL, "
                           "what TEXT NOT NULL, subject TEXT NOT NULL, old_values TEXT, "
                           "new_values TEXT, detail TEXT, transfer INTEGER, rooms TEXT, "
                           "change_values TEXT)"),
            // Listing one room's entries among millions reads only those.
            QStringLiteral("CREATE INDEX IF NOT EXISTS change_record_subject "
                           "ON change_record (subject, happened)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS change_record_time "
                           "ON change_record (happened)"),
            // An import's rooms, a row each, in the order it wrote them.
            QStringLiteral("CREATE TABLE IF NOT EXISTS change_room ("
                           "entry INTEGER NOT NULL, position INTEGER NOT NULL, what TEXT NOT NULL, "
                           "room TEXT NOT NULL, %1, PRIMARY KEY (entry, position)) WITHOUT ROWID")
                .arg(changeRoomColumns().mid(4).join(QStringLiteral(" TEXT, ")) +
                     QStringLiteral(" TEXT")),
            // Listing one room's entries reads only that room's import rows.
            QStringLiteral("CREATE INDEX IF NOT EXISTS change_room_room "
                           "ON change_room (room, entry)")};
}

QStringList changeRoomColumns()
{
    return {QStringLiteral("entry"),    QStringLiteral("position"), QStringLiteral("what"),
            QStringLiteral("room"),     QStringLiteral("old_room"), QStringLiteral("old_tel1"),
            QStringLiteral("old_tel2"), QStringLiteral("old_tel3"), QStringLiteral("new_room"),
            QStringLiteral("new_tel1"), QStringLiteral("new_tel2"), QStringLiteral("new_tel3")};
}

QStringList doorUnitStatements()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS door_unit ("
                           "id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, "
                           "port INTEGER NOT NULL, removed INTEGER NOT NULL DEFAULT 0)")};
}

QString addChangeValuesColumn()
{
    return QStringLiteral("ALTER TABLE change_record ADD COLUMN change_values TEXT");
}

QString addUnitColumn()
{
    return QStringLiteral("ALTER TABLE transfer_log ADD COLUMN unit INTEGER");
}

} // namespace schema
