#pragma once

#include "location.h"
#include "roomrecord.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QStringEncoder>

#include <array>
#include <initializer_list>

#include <memory>
#include <span>
#include <vector>

class QSqlDatabase;

namespace engine {
class Statement;
}

// One statement run for many rows: straight through the engine when the
// driver shares its library, since a QSqlQuery costs several times as much a
// row and a directory may hold 100,000 rooms; through Qt's driver otherwise.
class BulkStatement
{
public:
    // A value to bind: text, text already in UTF-8 (bound as it is, never
    // NULL), or an integer.
    struct Value
    {
        Value(const QString& text) : text(&text) {}
        Value(QByteArrayView utf8) : utf8(utf8.data() ? utf8 : QByteArrayView("")), isUtf8(true) {}
        Value(qint64 integer) : integer(integer) {}
        Value(int integer) : integer(integer) {}
        const QString* text = nullptr;
        QByteArrayView utf8;
        bool isUtf8 = false;
        qint64 integer = 0;
    };
    static constexpr size_t kMostValues = 12;

    BulkStatement(const QSqlDatabase& db, const QString& sql);
    ~BulkStatement();
    BulkStatement(const BulkStatement&) = delete;
    BulkStatement& operator=(const BulkStatement&) = delete;

    // Binds values and runs the statement up to its first row.
    bool run(std::initializer_list<Value> values = {})
    {
        return run(std::span<const Value>(values.begin(), values.size()));
    }
    bool run(std::span<const Value> values);
    // Steps to the next row; the first call gives the row run stopped at.
    // False at the end, and when reading failed (see failed).
    bool next();
    bool failed() const { return m_failed; }
    QString text(int column) const;
    qint64 integer(int column) const;
    // Four text columns from first on.
    RoomRecord record(int first) const;
    // Why the last run or step failed, in the operator's words.
    QString error(const store::Database& database) const;

private:
    std::unique_ptr<engine::Statement> m_statement;
    QSqlQuery m_query;
    bool m_pending = false;
    bool m_failed = false;
    // Each bound text, encoded, held until the next run.
    std::array<QByteArray, kMostValues> m_buffers;
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

// Rows added to one table many to a statement: running a statement costs
// about as much as writing a row, and an import writes 100,000 rooms and as
// many change-record rows. Each row's values are copied when it is added, so
// they need not outlive the call. Through Qt's driver (no engine statement),
// a row at a time.
class BatchedInsert
{
public:
    static constexpr int kRowsTogether = 64;

    BatchedInsert(const QSqlDatabase& db, const QString& table, const QStringList& columns);
    ~BatchedInsert();
    BatchedInsert(const BatchedInsert&) = delete;
    BatchedInsert& operator=(const BatchedInsert&) = delete;

    // Adds a row of as many values as columns; tag is the caller's name for
    // it, given back by failedTag. False when rows written with it failed.
    [[nodiscard]] bool add(std::initializer_list<BulkStatement::Value> values, qint64 tag = -1);
    // Writes the rows still waiting.
    [[nodiscard]] bool flush();
    // The tag of the row that was refused, or -1 when no one row was.
    qint64 failedTag() const { return m_failedTag; }
    QString error(const store::Database& database) const;

private:
    // A value held until its row is written: text as UTF-8 in m_bytes.
    struct Held
    {
        qsizetype from = 0;
        qsizetype size = -1; // -1: an integer
        qint64 integer = 0;
    };
    [[nodiscard]] bool writeTogether();
    [[nodiscard]] bool writeSingly();
    void forgetHeld();

    int m_width;
    BulkStatement m_single;
    std::unique_ptr<engine::Statement> m_together;
    std::vector<Held> m_held;
    std::vector<qint64> m_tags;
    QByteArray m_bytes;
    qint64 m_failedTag = -1;
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};
