#include "serversetup.h"

#include "changerecord.h"
#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "pinhash.h"
#include "schema.h"
#include "server.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace serversetup {

namespace {

using database::quotedIdentifier;

// What keeps the PIN digests from every login but the one that prepared the
// server: no right on user_pin for anyone else, the operators shown through
// a view without digests and changed through it, and the PIN checked by the
// server, slower after each recent failure. The functions run with their
// owner's rights, so a login needs none on user_pin.
QStringList operatorGuard()
{
    const QString q = quotedIdentifier(server::kOperatorSchema);
    const QString definer =
        QStringLiteral("SECURITY DEFINER SET search_path = pg_catalog, pg_temp");
    QStringList statements{
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1.pin_failure (\"user\" text, "
                       "at timestamptz NOT NULL DEFAULT now())")
            .arg(q),
        QStringLiteral("REVOKE ALL ON %1.pin_failure FROM PUBLIC").arg(q),
        QStringLiteral("REVOKE ALL ON %1.user_pin FROM PUBLIC").arg(q),
        // A grant to a login of its own (GRANT ... ON ALL TABLES) is taken back too.
        QStringLiteral("DO $$ DECLARE r record; BEGIN FOR r IN SELECT DISTINCT a.grantee FROM "
                       "pg_class c, aclexplode(c.relacl) a WHERE c.oid = '%1.user_pin'::regclass "
                       "AND a.grantee NOT IN (c.relowner, 0) LOOP EXECUTE "
                       "format('REVOKE ALL ON %1.user_pin FROM %I', pg_get_userbyid(r.grantee)); "
                       "END LOOP; END $$")
            .arg(q),
        QStringLiteral("CREATE OR REPLACE VIEW %1.operators AS SELECT id, \"user\", "
                       "encode(sha256(convert_to(password, 'UTF8')), 'hex') AS password "
                       "FROM %1.user_pin")
            .arg(q),
        // A PIN arrives as a digest; the fingerprint the view shows means "unchanged".
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION %1.operators_write() RETURNS trigger LANGUAGE plpgsql "
            "%2 AS $$ BEGIN "
            "IF TG_OP = 'DELETE' THEN DELETE FROM %1.user_pin WHERE id = OLD.id; "
            "IF NOT FOUND THEN RETURN NULL; END IF; RETURN OLD; END IF; "
            "IF NEW.password IS NOT NULL AND (TG_OP = 'INSERT' OR NEW.password IS DISTINCT FROM "
            "OLD.password) AND NEW.password NOT LIKE 'pbkdf2-sha256$%' THEN RAISE EXCEPTION "
            "'a PIN is kept only as its digest' USING ERRCODE = 'check_violation'; END IF; "
            "IF TG_OP = 'INSERT' THEN INSERT INTO %1.user_pin (\"user\", password) "
            "VALUES (NEW.\"user\", NEW.password) RETURNING id INTO NEW.id; "
            "ELSE UPDATE %1.user_pin SET \"user\" = NEW.\"user\", password = CASE WHEN "
            "NEW.password IS DISTINCT FROM OLD.password THEN NEW.password ELSE password END "
            "WHERE id = OLD.id; IF NOT FOUND THEN RETURN NULL; END IF; NEW.id := OLD.id; END IF; "
            "SELECT o.password INTO NEW.password FROM %1.operators o WHERE o.id = NEW.id; "
            "RETURN NEW; END $$")
            .arg(q, definer),
        QStringLiteral(
            "CREATE OR REPLACE TRIGGER write_through INSTEAD OF INSERT OR UPDATE OR DELETE "
            "ON %1.operators FOR EACH ROW EXECUTE FUNCTION %1.operators_write()")
            .arg(q),
        // What a PIN is derived with; the derived part stays on the server.
        QStringLiteral("CREATE OR REPLACE FUNCTION %1.pin_settings(name text) RETURNS text "
                       "LANGUAGE sql STABLE %2 AS $$ SELECT array_to_string((string_to_array("
                       "password, '$'))[1:3], '$') FROM %1.user_pin WHERE \"user\" = name "
                       "ORDER BY id LIMIT 1 $$")
            .arg(q, definer),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION %1.pin_accepts(name text, proof text) RETURNS boolean "
            "LANGUAGE plpgsql %2 AS $$ DECLARE stored text; failures integer; BEGIN "
            "SELECT count(*) INTO failures FROM %1.pin_failure WHERE \"user\" = name "
            "AND at > now() - interval '15 minutes'; "
            "IF failures >= 3 THEN PERFORM pg_sleep(least(failures - 2, 10)); END IF; "
            "SELECT password INTO stored FROM %1.user_pin WHERE \"user\" = name "
            "ORDER BY id LIMIT 1; "
            "IF proof <> '' AND split_part(stored, '$', 4) = proof THEN "
            "DELETE FROM %1.pin_failure WHERE \"user\" = name; RETURN true; END IF; "
            "INSERT INTO %1.pin_failure (\"user\") VALUES (name); RETURN false; END $$")
            .arg(q, definer),
        QStringLiteral("GRANT USAGE ON SCHEMA %1 TO PUBLIC").arg(q),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON %1.operators TO PUBLIC").arg(q),
        QStringLiteral("REVOKE ALL ON FUNCTION %1.operators_write() FROM PUBLIC").arg(q)};
    return statements;
}

// Whether the server already has what announceFunction and operatorGuard make.
QString serverObjectsCurrent()
{
    return server::announceFunctionIsCurrent() +
           QStringLiteral(" AND to_regprocedure('%1.pin_accepts(text,text)') IS NOT NULL "
                          "AND to_regclass('%1.operators') IS NOT NULL")
               .arg(quotedIdentifier(server::kOperatorSchema));
}

class Session
{
public:
    explicit Session(const store::Location& building)
        : m_building(building),
          m_connection(building.database(schema::kDirectoryFile),
                       QStringLiteral("quorvane-server-setup"), database::Access::AsFound)
    {
    }
    QSqlDatabase db() const { return m_connection.db(); }
    bool failed() const { return !m_connection.ok(); }
    // Why the building cannot be used, naming it.
    QString cannot() const { return cannot(m_connection.opened().description()); }
    QString cannot(const QSqlError& error) const { return cannot(m_connection.why(error)); }

private:
    QString cannot(const QString& why) const
    {
        return QCoreApplication::translate("serversetup", "The %1 cannot be used: %2")
            .arg(m_building.describe(), why);
    }

    const store::Location& m_building;
    store::Connection m_connection;
};

} // namespace

Expected<bool> buildingExists(const store::Location& building)
{
    Session session(building);
    if (session.failed())
        return Expected<bool>::failure(session.cannot());
    const QSqlDatabase db = session.db();
    return !engine::tableShape(db, schema::directoryTable().table).columns.isEmpty();
}

Expected<std::optional<int>> operatorCount(const store::Location& building)
{
    using Result = Expected<std::optional<int>>;
    Session session(building);
    if (session.failed())
        return Result::failure(session.cannot());
    QSqlQuery query(session.db());
    if (!query.exec(QStringLiteral("SELECT to_regclass('%1.user_pin') IS NULL, "
                                   "to_regclass('%1.operators') IS NOT NULL")
                        .arg(quotedIdentifier(server::kOperatorSchema))) ||
        !query.next())
        return Result::failure(session.cannot(query.lastError()));
    if (query.value(0).toBool())
        return Result(std::optional<int>());
    // Every login may count the operators through the view; only the owner reads user_pin.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1.%2")
                        .arg(quotedIdentifier(server::kOperatorSchema),
                             query.value(1).toBool() ? QStringLiteral("operators")
                                                     : QStringLiteral("user_pin"))) ||
        !query.next())
        return Result::failure(session.cannot(query.lastError()));
    return Result(std::optional<int>(query.value(0).toInt()));
}

QString viewOnly(const store::Location& building)
{
    Session session(building);
    if (session.failed())
        return {};
    const QSqlDatabase db = session.db();
    if (!database::unseenTable(db, schema::directoryTable().table,
                               building.database(schema::kDirectoryFile))
             .isEmpty())
        return {};
    // The names travel as values: the server quotes them itself.
    QSqlQuery query(db);
    if (!database::execute(query,
                           QStringLiteral("SELECT has_table_privilege(quote_ident(?) || '.' || "
                                          "quote_ident(?), 'INSERT, UPDATE, DELETE')"),
                           {building.place().building, schema::directoryTable().table}) ||
        !query.next() || query.value(0).toBool())
        return {};
    //: %1 names the building and its server ("building North on db.example.org").
    return QCoreApplication::translate(
               "serversetup", "Read only: this login may read the %1 but not change it, so it "
                              "is opened without logging in and every edit is refused.")
        .arg(building.describe());
}

void dropBuilding(const store::Location& building)
{
    Session session(building);
    if (!session.failed())
        QSqlQuery(session.db())
            .exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE")
                      .arg(quotedIdentifier(building.place().building)));
}

Outcome renew(const store::Location& building)
{
    Session session(building);
    if (session.failed())
        return Outcome::failure(session.cannot());
    QSqlQuery query(session.db());
    if (!query.exec(QStringLiteral("SELECT to_regclass('%1.user_pin') IS NULL OR (%2)")
                        .arg(quotedIdentifier(server::kOperatorSchema), serverObjectsCurrent())) ||
        !query.next())
        return Outcome::failure(session.cannot(query.lastError()));
    if (query.value(0).toBool())
        return Outcome::success();
    store::Transaction transaction(session.db());
    if (!transaction.active())
        return Outcome::failure(session.cannot(transaction.error()));
    QStringList statements{server::announceFunction()};
    statements << operatorGuard();
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            return Outcome::failure(session.cannot(query.lastError()));
    }
    if (!transaction.commit())
        return Outcome::failure(session.cannot(transaction.error()));
    return Outcome::success();
}

Expected<bool> pinAccepted(const store::Location& building, const QString& name, const QString& pin)
{
    Session session(building);
    if (session.failed())
        return Expected<bool>::failure(session.cannot());
    const QString functions = quotedIdentifier(server::kOperatorSchema);
    QSqlQuery query(session.db());
    if (!database::execute(query, QStringLiteral("SELECT %1.pin_settings(?)").arg(functions),
                           {name}) ||
        !query.next())
        return Expected<bool>::failure(session.cannot(query.lastError()));
    const QString proof = pinhash::proof(pin, query.value(0).toString());
    if (!database::execute(query, QStringLiteral("SELECT %1.pin_accepts(?, ?)").arg(functions),
                           {name, proof}) ||
        !query.next())
        return Expected<bool>::failure(session.cannot(query.lastError()));
    return query.value(0).toBool();
}

Expected<Prepared> prepare(const store::Location& building,
                           const std::optional<databasesetup::Operator>& first)
{
    Session session(building);
    if (session.failed())
        return Expected<Prepared>::failure(session.cannot());
    QSqlDatabase db = session.db();
    const engine::DatabaseEngine& dialect = engine::of(db);
    Prepared done;
    done.madeBuilding = engine::tableShape(db, schema::directoryTable().table).columns.isEmpty();

    QSqlQuery query(db);
    QSqlError failed;
    const auto run = [&](const QString& statement, const QVariantList& values = {}) {
        if (failed.isValid())
            return;
        if (!database::execute(query, statement, values))
            failed = query.lastError();
    };
    const QString buildingSchema = quotedIdentifier(building.place().building);
    const QString operators = quotedIdentifier(server::kOperatorSchema);
    store::Transaction transaction(db);
    if (!transaction.active())
        failed = transaction.error();
    // Two PCs preparing at once wait for each other here rather than fail.
    run(QStringLiteral("SELECT pg_advisory_xact_lock(4711)"));
    run(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(operators));
    run(QStringLiteral("SELECT to_regclass('%1.user_pin') IS NULL").arg(operators));
    done.madeOperators = !failed.isValid() && query.next() && query.value(0).toBool();
    run(schema::createStatement(schema::serverOperatorTable(), dialect, schema::Making::IfMissing,
                                server::kOperatorSchema));
    for (const QString& statement : operatorGuard())
        run(statement);
    // Shared by every building: replacing it renews what all of them announce.
    run(server::announceFunction());
    run(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(buildingSchema));
    run(QStringLiteral("SET LOCAL search_path TO %1").arg(buildingSchema));
    TableSpec rooms = schema::directoryTable();
    run(schema::createStatement(rooms, dialect, schema::Making::IfMissing));
    for (const QString& statement : schema::transferRecordStatements(dialect))
        run(statement);
    // A building prepared before the rooms' columns were quoted gets their names.
    if (!failed.isValid()) {
        for (const QString& statement : schema::sentRoomRenames(
                 engine::tableShape(db, QStringLiteral("transfer_room")).columns))
            run(statement);
    }
    for (const QString& table : {QStringLiteral("Room_tel"), QStringLiteral("transfer_log")}) {
        run(QStringLiteral("CREATE OR REPLACE TRIGGER announce AFTER INSERT OR UPDATE OR DELETE "
                           "OR TRUNCATE ON %1.%2 FOR EACH STATEMENT EXECUTE FUNCTION "
                           "%3.announce_change()")
                .arg(buildingSchema, quotedIdentifier(table), operators));
    }
    run(QStringLiteral("SELECT count(*) FROM %1.user_pin").arg(operators));
    if (!failed.isValid() && query.next())
        done.operators = query.value(0).toInt();
    if (first && done.operators == 0) {
        run(QStringLiteral("INSERT INTO %1.user_pin (\"user\", \"password\") VALUES (?, ?)")
                .arg(operators),
            {first->name, pinhash::digest(first->pin)});
        // Operators' entries are kept beside them, for the whole server.
        run(QStringLiteral("SET LOCAL search_path TO %1").arg(operators));
        if (!failed.isValid()) {
            if (Outcome recorded =
                    changerecord::append(db, databasesetup::firstOperatorEntry(*first),
                                         building.database(schema::kOperatorFile));
                !recorded)
                return Expected<Prepared>::failure(recorded.description());
        }
        done.operators = failed.isValid() ? 0 : 1;
    }
    if (!failed.isValid() && !transaction.commit())
        failed = transaction.error();
    if (failed.isValid())
        return Expected<Prepared>::failure(session.cannot(failed));
    return done;
}

} // namespace serversetup
