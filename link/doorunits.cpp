#include "doorunits.h"

#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "language.h"
#include "location.h"
#include "schema.h"
#include "transaction.h"

#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Every statement on door_unit is in this file.
namespace {

// One connection for one read or change, closed when it goes.
class UnitsFile
{
public:
    UnitsFile(const store::Database& path, bool write) : m_path(path)
    {
        if (path.notDatabaseFile()) {
            m_error = QCoreApplication::translate(
                          "doorunits", "the room file %1 is missing or not an SQLite database")
                          .arg(path.describe());
            return;
        }
        m_connection = std::make_unique<store::Connection>(
            path, QStringLiteral("quorvane-units"),
            write ? database::Access::AsFound : database::Access::ReadOnly, 250);
        if (!m_connection->ok())
            m_error = m_connection->opened().description();
    }
    Q_DISABLE_COPY_MOVE(UnitsFile)

    QSqlDatabase db() const { return m_connection ? m_connection->db() : QSqlDatabase(); }
    const QString& error() const { return m_error; }
    Outcome failed(const QSqlQuery& q) const { return failed(q.lastError()); }
    Outcome failed(const QSqlError& error) const
    {
        return Outcome::failure(database::plainError(error, m_path));
    }

private:
    store::Database m_path;
    std::unique_ptr<store::Connection> m_connection;
    QString m_error;
};

Expected<QList<DoorUnit>> readFrom(const UnitsFile& file, bool withRemoved)
{
    const QSqlDatabase db = file.db();
    if (engine::tableShape(db, QStringLiteral("door_unit")).columns.isEmpty())
        return QList<DoorUnit>{{doorunits::kFirstUnit, doorunits::kFirstName, 1, false}};
    QSqlQuery q(file.db());
    if (!q.exec(QStringLiteral("SELECT id, name, port, removed FROM door_unit ORDER BY id")))
        return file.failed(q);
    QList<DoorUnit> units;
    while (q.next()) {
        DoorUnit unit{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(),
                      q.value(3).toInt() != 0};
        if (withRemoved || !unit.removed)
            units << unit;
    }
    return units;
}

Outcome checkName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return Outcome::failure(QCoreApplication::translate(
            "doorunits", "A door unit needs a name, such as \"Main gate\"."));
    if (name != name.trimmed())
        return Outcome::failure(
            QCoreApplication::translate("doorunits",
                                        "The name \"%1\" begins or ends with blanks; name the unit "
                                        "without them.")
                .arg(name));
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return Outcome::failure(
                QCoreApplication::translate(
                    "doorunits", "A door unit's name may not hold control characters (here U+%1).")
                    .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0')));
    }
    if (name.size() > doorunits::kLongestName)
        return Outcome::failure(QCoreApplication::translate(
                                    "doorunits", "The name \"%1\" is longer than %2 characters.")
                                    .arg(name)
                                    .arg(doorunits::kLongestName));
    return Outcome::success();
}

// Two names that read alike are one: "Café" typed with one code point or
// with two, "EAST" and "east".
QString folded(const QString& name)
{
    return name.normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .normalized(QString::NormalizationForm_C);
}

// Every name a unit answers to and is shown by, on any PC in any language.
QStringList foldedNames(const DoorUnit& unit)
{
    QStringList names{folded(unit.name)};
    if (unit.name == doorunits::kFirstName) {
        for (const QString& shown : language::everyTranslation(
                 "doorunits", "Door unit", "the name the building's first door unit is given"))
            names << folded(shown);
    }
    return names;
}

bool answersTo(const DoorUnit& unit, const QString& name)
{
    return foldedNames(unit).contains(folded(name));
}

// Why the unit given (the one added or renamed) cannot be named as it is
// beside the other: the two names alike, or one the other's shown name.
Outcome nameClash(const DoorUnit& given, const DoorUnit& other)
{
    if (folded(given.name) == folded(other.name))
        return Outcome::failure(
            QCoreApplication::translate("doorunits", "There is already a door unit named \"%1\".")
                .arg(other.ownName()));
    const QStringList theirs = foldedNames(other);
    for (const QString& name : foldedNames(given)) {
        if (!theirs.contains(name))
            continue;
        // One of the two is the first unit, which is shown translated.
        const bool givenIsFirst = given.name == doorunits::kFirstName;
        return Outcome::failure(QCoreApplication::translate(
                                    "doorunits", "\"%1\" is how the door unit \"%2\" is shown in "
                                                 "another language; choose another name.")
                                    .arg(givenIsFirst ? other.name : given.name,
                                         givenIsFirst ? given.ownName() : other.ownName()));
    }
    return Outcome::success();
}

// Why the list cannot be as given: two units on one port, or the unit at
// index changed named as another is. A list kept before names were held
// apart may hold two alike; that is no reason to refuse another unit's change.
Outcome checkList(const QList<DoorUnit>& units, qsizetype changed)
{
    for (qsizetype j = 0; j < units.size(); ++j) {
        if (j == changed)
            continue;
        if (Outcome apart = nameClash(units[changed], units[j]); !apart)
            return apart;
    }
    for (qsizetype i = 0; i < units.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) {
            if (units[i].port == units[j].port)
                return Outcome::failure(QCoreApplication::translate(
                                            "doorunits",
                                            "\"%1\" and \"%2\" would both be on COM%3; one port "
                                            "reaches one door unit. Give one of them another port.")
                                            .arg(units[j].name, units[i].name)
                                            .arg(units[i].port));
        }
    }
    return Outcome::success();
}

// Runs a change of the list in one transaction: the table is made and the
// first unit written when missing, then change() checks the live units as
// they would be and writes them, or refuses.
using Change = std::function<Outcome(QList<DoorUnit>& units, QSqlQuery& q)>;

Outcome changeList(const store::Database& path, const Change& change)
{
    UnitsFile file(path, true);
    if (!file.error().isEmpty())
        return Outcome::failure(file.error());
    const QSqlDatabase db = file.db();
    const engine::DatabaseEngine& dialect = engine::of(db);
    QSqlQuery q(db);
    // Made where missing first, so the write can lock it as it begins.
    for (const QString& statement : schema::doorUnitStatements(dialect)) {
        if (!q.exec(statement))
            return file.failed(q);
    }
    // No other writer comes between reading the list and writing it.
    store::Transaction transaction(db, dialect.beginWrite(QStringLiteral("door_unit")));
    if (!transaction.active())
        return file.failed(transaction.error());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM door_unit")) || !q.next())
        return file.failed(q);
    const bool empty = q.value(0).toLongLong() == 0;
    q.finish(); // a server connection holds one result at a time
    if (empty) {
        q.prepare(QStringLiteral("INSERT INTO door_unit (name, port, removed) VALUES (?, ?, 0)"));
        q.addBindValue(doorunits::kFirstName);
        q.addBindValue(1);
        if (!q.exec())
            return file.failed(q);
    }
    Expected<QList<DoorUnit>> units = readFrom(file, false);
    if (!units)
        return units.outcome();
    if (Outcome changed = change(*units, q); !changed)
        return changed;
    if (!transaction.commit())
        return file.failed(transaction.error());
    return Outcome::success();
}

} // namespace

QString DoorUnit::ownName() const
{
    // The name the program gave the first unit is its own text, not the operator's.
    return name == doorunits::kFirstName
               ? QCoreApplication::translate("doorunits", "Door unit",
                                             "the name the building's first door unit is given")
               : name;
}

QString DoorUnit::shownName() const
{
    return QStringLiteral("%1 (COM%2)").arg(ownName()).arg(port);
}

namespace doorunits {

Expected<QList<DoorUnit>> read(const store::Database& path, bool withRemoved)
{
    UnitsFile file(path, false);
    if (!file.error().isEmpty())
        return Outcome::failure(file.error());
    return readFrom(file, withRemoved);
}

Expected<DoorUnit> find(const QList<DoorUnit>& units, const QString& name)
{
    // The name given to a unit goes before the names a unit is shown by, so a
    // list kept before names were held apart still finds the unit named.
    QStringList names;
    for (const DoorUnit& unit : units) {
        if (folded(unit.name) == folded(name))
            return unit;
        names << QStringLiteral("\"%1\"").arg(unit.ownName());
    }
    for (const DoorUnit& unit : units) {
        if (answersTo(unit, name))
            return unit;
    }
    return Outcome::failure(
        QCoreApplication::translate("doorunits",
                                    "There is no door unit named \"%1\"; the units are %2.")
            .arg(name, names.join(QStringLiteral(", "))));
}

Outcome add(const store::Database& path, const QString& name, int port)
{
    if (Outcome checked = checkName(name); !checked)
        return checked;
    return changeList(path, [&](QList<DoorUnit>& units, QSqlQuery& q) {
        units << DoorUnit{0, name, port, false};
        if (Outcome checked = checkList(units, units.size() - 1); !checked)
            return checked;
        q.prepare(QStringLiteral("INSERT INTO door_unit (name, port, removed) VALUES (?, ?, 0)"));
        q.addBindValue(name);
        q.addBindValue(port);
        return q.exec() ? Outcome::success()
                        : Outcome::failure(database::plainError(q.lastError(), path));
    });
}

Outcome rename(const store::Database& path, const QString& oldName, const QString& newName,
               int port)
{
    if (Outcome checked = checkName(newName); !checked)
        return checked;
    return changeList(path, [&](QList<DoorUnit>& units, QSqlQuery& q) {
        const Expected<DoorUnit> unit = find(units, oldName);
        if (!unit)
            return unit.outcome();
        qsizetype changed = 0;
        for (qsizetype i = 0; i < units.size(); ++i) {
            if (units[i].id == unit->id) {
                units[i].name = newName;
                units[i].port = port > 0 ? port : units[i].port;
                changed = i;
            }
        }
        if (Outcome checked = checkList(units, changed); !checked)
            return checked;
        q.prepare(QStringLiteral("UPDATE door_unit SET name = ?, port = ? WHERE id = ?"));
        q.addBindValue(newName);
        q.addBindValue(port > 0 ? port : unit->port);
        q.addBindValue(unit->id);
        return q.exec() ? Outcome::success()
                        : Outcome::failure(database::plainError(q.lastError(), path));
    });
}

Outcome remove(const store::Database& path, const QString& name)
{
    return changeList(path, [&](QList<DoorUnit>& units, QSqlQuery& q) {
        const Expected<DoorUnit> unit = find(units, name);
        if (!unit)
            return unit.outcome();
        if (units.size() == 1)
            return Outcome::failure(
                QCoreApplication::translate(
                    "doorunits", "\"%1\" is the building's only door unit and stays; add another "
                                 "before removing it.")
                    .arg(unit->name));
        q.prepare(QStringLiteral("UPDATE door_unit SET removed = 1 WHERE id = ?"));
        q.addBindValue(unit->id);
        return q.exec() ? Outcome::success()
                        : Outcome::failure(database::plainError(q.lastError(), path));
    });
}

} // namespace doorunits
