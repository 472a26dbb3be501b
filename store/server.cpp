#include "server.h"

#include "commandline.h"
#include "database.h"
#include "schema.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/libpq.h"

namespace server {

namespace {

// libpq's default for a keyword, from the environment or its compiled-in value.
QString defaultOf(const char* keyword)
{
    const Expected<const libpq::Functions*> pq = libpq::functions();
    if (!pq)
        return {};
    PQconninfoOption* defaults = (*pq)->PQconndefaults();
    QString value;
    for (PQconninfoOption* o = defaults; o && o->keyword; ++o) {
        if (qstrcmp(o->keyword, keyword) == 0 && o->val)
            value = QString::fromUtf8(o->val);
    }
    (*pq)->PQconninfoFree(defaults);
    return value;
}

QString quotedValue(const QString& value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// A database name that is itself a connection (a URI or key=value pairs
// pasted into dbname=): it may hold a password, and is never shown.
bool looksLikeConnection(const QString& name)
{
    return name.contains(QLatin1Char('=')) || name.contains(QLatin1String("://"));
}

// The keywords QSqlDatabase has a setter for; the rest go in its connect options.
bool hasSetter(const QString& keyword)
{
    for (const char* own : {"host", "port", "dbname", "user", "password"}) {
        if (keyword == QLatin1String(own))
            return true;
    }
    return false;
}

// Whether the values libpq checks only while connecting are right: a failure
// names the wrong one.
Outcome checkSettings(const Place& place)
{
    const QString port = place.option(QStringLiteral("port"));
    if (!port.isEmpty()) {
        // One port, or one for each of several hosts.
        for (const QString& part : port.split(QLatin1Char(','))) {
            bool number = false;
            const int value = part.trimmed().toInt(&number);
            if (!number || value < 1 || value > 65535)
                return Outcome::failure(
                    QCoreApplication::translate(
                        "server", "The database connection's port must be a number from 1 to "
                                  "65535, not \"%1\".")
                        .arg(port));
        }
    }
    const QString timeout = place.option(QStringLiteral("connect_timeout"));
    if (!timeout.isEmpty()) {
        bool number = false;
        const int value = timeout.trimmed().toInt(&number);
        if (!number || value < 0)
            return Outcome::failure(QCoreApplication::translate(
                                        "server",
                                        "The database connection's connect_timeout must be a whole "
                                        "number of seconds, not \"%1\".")
                                        .arg(timeout));
    }
    const QString sslmode = place.option(QStringLiteral("sslmode"));
    if (!sslmode.isEmpty() &&
        !QStringList{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"}.contains(
            sslmode))
        return Outcome::failure(
            QCoreApplication::translate(
                "server", "The database connection's sslmode must be disable, allow, prefer, "
                          "require, verify-ca or verify-full, not \"%1\".")
                .arg(sslmode));
    if (looksLikeConnection(place.option(QStringLiteral("dbname"))))
        return Outcome::failure(QCoreApplication::translate(
            "server", "The database connection's dbname holds a whole connection (\"=\" or "
                      "\"://\"): give that connection itself, not inside dbname=."));
    return Outcome::success();
}

} // namespace

QString Place::option(const QString& keyword) const
{
    for (const auto& [key, value] : options) {
        if (key == keyword)
            return value;
    }
    return {};
}

QString Place::where() const
{
    const QString service = option(QStringLiteral("service"));
    QString host = option(QStringLiteral("host"));
    if (host.isEmpty() && !service.isEmpty())
        return QCoreApplication::translate("server", "service %1").arg(service);
    if (host.isEmpty())
        host = defaultOf("host");
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')))
        host = QStringLiteral("localhost");
    QString port = option(QStringLiteral("port"));
    if (port.isEmpty())
        port = defaultOf("port");
    QString name = option(QStringLiteral("dbname"));
    if (name.isEmpty())
        name = defaultOf("dbname");
    // PGDATABASE may hold a whole connection too.
    if (looksLikeConnection(name))
        name.clear();
    if (name.isEmpty())
        name = option(QStringLiteral("user")).isEmpty() ? defaultOf("user")
                                                        : option(QStringLiteral("user"));
    return QStringLiteral("%1:%2/%3").arg(host, port, name);
}

Outcome checkBuilding(const QString& building)
{
    if (building.trimmed().isEmpty())
        return Outcome::failure(QCoreApplication::translate("server", "A building needs a name."));
    // A Chinese character takes three bytes of UTF-8, a letter of the Latin alphabet one.
    if (building.toUtf8().size() > kMaxBuildingBytes)
        return Outcome::failure(
            QCoreApplication::translate("server",
                                        "A building's name may have at most %1 bytes: at most "
                                        "%2 Chinese characters or %1 letters.")
                .arg(kMaxBuildingBytes)
                .arg(kMaxBuildingBytes / 3));
    for (const QChar c : building) {
        if (c.category() == QChar::Other_Control || c == QChar::Null)
            return Outcome::failure(QCoreApplication::translate(
                "server", "A building's name may not hold control characters."));
    }
    if (building.compare(kOperatorSchema, Qt::CaseInsensitive) == 0 ||
        building.compare(QStringLiteral("public"), Qt::CaseInsensitive) == 0 ||
        building.startsWith(QStringLiteral("pg_"), Qt::CaseInsensitive) ||
        building.compare(QStringLiteral("information_schema"), Qt::CaseInsensitive) == 0)
        return Outcome::failure(QCoreApplication::translate(
                                    "server",
                                    "The name \"%1\" is kept by the server or by Quorvane; choose "
                                    "another for the building.")
                                    .arg(building));
    return Outcome::success();
}

Expected<Place> parse(const QString& connection, const QString& building)
{
    if (Outcome named = checkBuilding(building); !named)
        return named;
    const Expected<const libpq::Functions*> pq = libpq::functions();
    if (!pq)
        return pq.outcome();
    char* error = nullptr;
    PQconninfoOption* parsed = (*pq)->PQconninfoParse(connection.toUtf8().constData(), &error);
    if (!parsed) {
        // libpq's reason quotes the text it could not read, password and all.
        (*pq)->PQfreemem(error);
        return Expected<Place>::failure(QCoreApplication::translate(
            "server", "The database connection cannot be read: check its form "
                      "(postgresql://user@host:port/database or key=value pairs)."));
    }
    Place place;
    place.building = building;
    for (PQconninfoOption* o = parsed; o->keyword; ++o) {
        if (o->val && *o->val)
            place.options.append({QString::fromUtf8(o->keyword), QString::fromUtf8(o->val)});
    }
    (*pq)->PQconninfoFree(parsed);
    if (Outcome settings = checkSettings(place); !settings)
        return settings;
    return place;
}

Expected<std::optional<Place>> choose(const QString& database, const QString& building,
                                      Settings settings)
{
    using Result = Expected<std::optional<Place>>;
    const auto pick = [settings](const QString& given, const char* variable, const QString& key) {
        if (!given.isEmpty())
            return given;
        const QString fromEnvironment = qEnvironmentVariable(variable);
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
        // A folder named on the command line or in the environment comes first.
        if (settings == Settings::Ignore || !qEnvironmentVariableIsEmpty("QUORVANE_DATA"))
            return QString();
        return settingsstore::read(QStringLiteral("Database"), key, QString());
    };
    const QString connection =
        pick(database, "QUORVANE_DATABASE", QStringLiteral("QUORVANE_DATABASE"));
    const QString name = pick(building, "QUORVANE_BUILDING", QStringLiteral("QUORVANE_BUILDING"));
    if (connection.isEmpty() && name.isEmpty())
        return Result(std::optional<Place>());
    if (connection.isEmpty())
        return Result::failure(QCoreApplication::translate(
                                   "server", "A building (%1) was named but no database server: "
                                             "give --database or QUORVANE_DATABASE too.")
                                   .arg(name));
    if (name.isEmpty())
        return Result::failure(QCoreApplication::translate(
            "server", "A database server was named but no building: give "
                      "--building or QUORVANE_BUILDING too."));
    Expected<Place> place = parse(connection, name);
    if (!place)
        return Result::failure(place.error());
    return Result(std::optional<Place>(*place));
}

Outcome takeOptions(QStringList& arguments, QString& database, QString& building)
{
    return commandline::takeOut(
        arguments, {QStringLiteral("--database"), QStringLiteral("--building")},
        [&](const QString& option, const QString& value) {
            (option == QLatin1String("--database") ? database : building) = value;
            //: %1 is a command-line option, --database or --building.
            return value.isEmpty()
                       ? Outcome::failure(
                             QCoreApplication::translate("server", "%1 needs a value.").arg(option))
                       : Outcome::success();
        });
}

QString Place::describe() const
{
    //: Where the rooms are kept on a database server: %1 the building, %2 host:port/database.
    return QCoreApplication::translate("server", "building \"%1\" on %2").arg(building, where());
}

QString channel()
{
    return QStringLiteral("quorvane_changes");
}

QString announcedTable(const QString& payload, const QString& building)
{
    const QJsonObject said = QJsonDocument::fromJson(payload.toUtf8()).object();
    if (building.isEmpty() || said.value(QLatin1String("schema")).toString() != building)
        return {};
    return said.value(QLatin1String("table")).toString();
}

QString announceFunction()
{
    // The payload is JSON, so any schema or table name arrives as it is.
    return QStringLiteral("CREATE OR REPLACE FUNCTION %1.announce_change() RETURNS trigger "
                          "LANGUAGE plpgsql AS $$ BEGIN "
                          "PERFORM pg_notify('%2', json_build_object('schema', TG_TABLE_SCHEMA, "
                          "'table', TG_TABLE_NAME)::text); RETURN NULL; END $$")
        .arg(database::quotedIdentifier(kOperatorSchema), channel());
}

QString announceFunctionIsCurrent()
{
    return QStringLiteral("SELECT coalesce((SELECT prosrc LIKE '%%1%' AND prosrc LIKE "
                          "'%json_build_object%' FROM pg_proc WHERE oid = "
                          "to_regprocedure('%2.announce_change()')), false)")
        .arg(channel(), database::quotedIdentifier(kOperatorSchema));
}

QString connectOptions(const Place& place)
{
    QStringList pairs;
    for (const auto& [key, value] : place.options) {
        // Several hosts' ports are a list, which QSqlDatabase::setPort cannot take.
        const bool portList = key == QLatin1String("port") && value.contains(QLatin1Char(','));
        if (!hasSetter(key) || portList)
            pairs << key + QLatin1Char('=') + quotedValue(value);
    }
    return pairs.join(QLatin1Char(' '));
}

ConnectParams::ConnectParams(const QList<QPair<QString, QString>>& options)
{
    for (const auto& [key, value] : options)
        m_texts << key.toUtf8() << value.toUtf8();
    for (qsizetype i = 0; i < m_texts.size(); i += 2) {
        m_keywords.push_back(m_texts[i].constData());
        m_values.push_back(m_texts[i + 1].constData());
    }
    m_keywords.push_back(nullptr);
    m_values.push_back(nullptr);
}

QString settingAtFault(const Place& place)
{
    const QString sslmode = place.option(QStringLiteral("sslmode"));
    if (sslmode != QLatin1String("require") && !sslmode.startsWith(QLatin1String("verify-")))
        return {};
    // The same server asked without SSL: an answer tells the SSL setting is what failed.
    QList<QPair<QString, QString>> options;
    for (const auto& [key, value] : place.options) {
        if (key != QLatin1String("sslmode"))
            options.append({key, value});
    }
    options.append({QStringLiteral("sslmode"), QStringLiteral("disable")});
    if (place.option(QStringLiteral("connect_timeout")).isEmpty())
        options.append({QStringLiteral("connect_timeout"), QStringLiteral("5")});
    const ConnectParams params(options);
    const Expected<const libpq::Functions*> pq = libpq::functions();
    if (!pq || (*pq)->PQpingParams(params.keywords(), params.values(), 0) != PQPING_OK)
        return {};
    //: %1 is host:port/database; %2 the sslmode the connection gives.
    return QCoreApplication::translate(
               "server", "the database server %1 answers, but not with the SSL the connection "
                         "asks for (sslmode=%2). Ask whoever runs the server whether it offers "
                         "SSL, or give sslmode=prefer.")
        .arg(place.where(), sslmode);
}

} // namespace server
