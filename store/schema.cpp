#include "schema.h"

#include "database.h"
#include "engine/databaseengine.h"

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
    TableSpec table{QStringLiteral("Room_tel"), {}};
    for (const doorunit::Field& field : doorunit::kFields)
        table.fields << FieldSpec{QLatin1String(field.name), field.width};
    return table;
}

TableSpec serverOperatorTable()
{
    TableSpec table = operatorTable();
    table.fields[1].maxLength = 0;
    return table;
}

namespace {

using database::quotedIdentifier;
using database::quotedList;

QString columnWords(const Column& column, const engine::DatabaseEngine& dialect)
{
    const QString name = quotedIdentifier(column.name);
    if (column.type == Column::Type::Numbered)
        return dialect.numberedKey(name);
    QString words = name + (column.type == Column::Type::Integer ? QStringLiteral(" INTEGER")
                                                                 : QStringLiteral(" TEXT"));
    if (column.notNull)
        words += QStringLiteral(" NOT NULL");
    if (!column.byDefault.isEmpty())
        words += QStringLiteral(" DEFAULT ") + column.byDefault;
    if (column.maxLength > 0)
        words += QStringLiteral(" CHECK (length(%1) <= %2)").arg(name).arg(column.maxLength);
    if (column.loginText)
        words += QLatin1Char(' ') + dialect.controlFree(name);
    return words;
}

QString tableStatement(const Table& table, const engine::DatabaseEngine& dialect, Making making,
                       const QString& inSchema)
{
    QStringList parts;
    for (const Column& column : table.columns)
        parts << columnWords(column, dialect);
    if (!table.ownKey.isEmpty())
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(quotedList(table.ownKey));
    QString name = quotedIdentifier(table.name);
    if (!inSchema.isEmpty())
        name = quotedIdentifier(inSchema) + QLatin1Char('.') + name;
    return QStringLiteral("CREATE TABLE %1%2 (%3)%4")
        .arg(making == Making::IfMissing ? QStringLiteral("IF NOT EXISTS ") : QString(), name,
             parts.join(QStringLiteral(", ")),
             table.ownKey.isEmpty() ? QString() : dialect.ownKeyEnd());
}

Table tableOf(const TableSpec& layout)
{
    Table table{layout.table, {{QStringLiteral("id"), Column::Type::Numbered}}};
    for (const FieldSpec& f : layout.fields)
        table.columns << Column{f.name, Column::Type::Text, false, {}, f.maxLength, f.loginText};
    return table;
}

Column text(const QString& name, bool notNull = false)
{
    return {name, Column::Type::Text, notNull};
}

Column integer(const QString& name, bool notNull = false, const QString& byDefault = {})
{
    return {name, Column::Type::Integer, notNull, byDefault};
}

const Column kNumbered{QStringLiteral("id"), Column::Type::Numbered};

} // namespace

QStringList createStatements(const Table& table, const engine::DatabaseEngine& dialect)
{
    QStringList statements{tableStatement(table, dialect, Making::IfMissing, {})};
    for (const Index& index : table.indexes)
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                          .arg(quotedIdentifier(index.name), quotedIdentifier(table.name),
                               quotedList(index.columns));
    return statements;
}

QString createStatement(const TableSpec& layout, const engine::DatabaseEngine& dialect,
                        Making making, const QString& inSchema)
{
    return tableStatement(tableOf(layout), dialect, making, inSchema);
}

QStringList transferRecordStatements(const engine::DatabaseEngine& dialect)
{
    const Table log{
        QStringLiteral("transfer_log"),
        {kNumbered, text(QStringLiteral("started"), true), text(QStringLiteral("finished")),
         text(QStringLiteral("operator")), text(QStringLiteral("port")),
         text(QStringLiteral("device")), text(QStringLiteral("what"), true),
         integer(QStringLiteral("open_time")), integer(QStringLiteral("auto_mode")),
         integer(QStringLiteral("sent"), true, QStringLiteral("0")),
         integer(QStringLiteral("total"), true, QStringLiteral("0")),
         text(QStringLiteral("outcome"), true), text(QStringLiteral("reason"))},
        {},
        {{QStringLiteral("transfer_log_time"), {QStringLiteral("started"), QStringLiteral("id")}}}};
    Table rooms{
        QStringLiteral("transfer_room"),
        {integer(QStringLiteral("transfer"), true), integer(QStringLiteral("position"), true)},
        {QStringLiteral("transfer"), QStringLiteral("position")}};
    for (const QString& name : directoryTable().fieldNames())
        rooms.columns << text(name);
    return createStatements(log, dialect) + createStatements(rooms, dialect);
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

QStringList changeRecordStatements(const engine::DatabaseEngine& dialect)
{
    const Table record{kChangeRecordTable,
                       {kNumbered, text(QStringLiteral("happened"), true),
                        text(QStringLiteral("operator"), true), text(QStringLiteral("host"), true),
                        text(QStringLiteral("os_user"), true), text(QStringLiteral("what"), true),
                        text(QStringLiteral("subject"), true), text(QStringLiteral("old_values")),
                        text(QStringLiteral("new_values")), text(QStringLiteral("detail")),
                        integer(QStringLiteral("transfer")), text(QStringLiteral("rooms")),
                        text(QStringLiteral("change_values"))},
                       {},
                       // Listing one room's entries among millions reads only those.
                       {{QStringLiteral("change_record_subject"),
                         {QStringLiteral("subject"), QStringLiteral("happened")}},
                        {QStringLiteral("change_record_time"), {QStringLiteral("happened")}}}};
    // An import's rooms, a row each, in the order it wrote them; listing one
    // room's entries reads only that room's import rows.
    Table rooms{
        QStringLiteral("change_room"),
        {integer(QStringLiteral("entry"), true), integer(QStringLiteral("position"), true),
         text(QStringLiteral("what"), true), text(QStringLiteral("room"), true)},
        {QStringLiteral("entry"), QStringLiteral("position")},
        {{QStringLiteral("change_room_room"), {QStringLiteral("room"), QStringLiteral("entry")}}}};
    for (const QString& name : changeRoomColumns().mid(4))
        rooms.columns << text(name);
    return createStatements(record, dialect) + createStatements(rooms, dialect);
}

QStringList changeRoomColumns()
{
    return {QStringLiteral("entry"),    QStringLiteral("position"), QStringLiteral("what"),
            QStringLiteral("room"),     QStringLiteral("old_room"), QStringLiteral("old_tel1"),
            QStringLiteral("old_tel2"), QStringLiteral("old_tel3"), QStringLiteral("new_room"),
            QStringLiteral("new_tel1"), QStringLiteral("new_tel2"), QStringLiteral("new_tel3")};
}

QStringList doorUnitStatements(const engine::DatabaseEngine& dialect)
{
    return createStatements(
        {QStringLiteral("door_unit"),
         {kNumbered, text(QStringLiteral("name"), true), integer(QStringLiteral("port"), true),
          integer(QStringLiteral("removed"), true, QStringLiteral("0"))}},
        dialect);
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
