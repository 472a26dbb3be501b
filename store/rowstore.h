#pragma once

#include <QStringList>
#include <QVariant>

#include <array>
#include <limits>
#include <memory>
#include <vector>

// The rows a cursor read from its table, each with the values typed into it
// since. A table of 100,000 rows is held whole, so a row keeps the text it
// read in one string: one allocation a row instead of one a value.
class RowStore
{
public:
    // One bit a field in 32-bit masks: a table of more fields cannot be held
    // (the cursor refuses it at open).
    static constexpr int kMaxFields = 32;
    // At most this many fields, of at most kMaxPackedText characters in all,
    // are packed into one string; other rows keep their values as QVariants.
    static constexpr int kPackedFields = 8;
    static constexpr int kMaxPackedText = 0xFFFF;

    // A row's key: one value, a list for a key of several fields, null for a
    // new row. The usual key, one 64-bit integer, is kept in place; any other
    // in a QVariant of its own, so that a row of a large table stays small.
    class Key
    {
    public:
        Key() = default;
        Key(qlonglong id) : m_id(id) { spill(id == kNull); }
        Key(const QVariant& value)
        {
            if (value.typeId() == QMetaType::LongLong && value.toLongLong() != kNull)
                m_id = value.toLongLong();
            else
                m_other = std::make_unique<QVariant>(value);
        }
        Key(const Key& other) : m_id(other.m_id) { copyOther(other); }
        Key& operator=(const Key& other)
        {
            m_id = other.m_id;
            copyOther(other);
            return *this;
        }
        Key(Key&&) noexcept = default;
        Key& operator=(Key&&) noexcept = default;

        bool isNull() const { return m_other ? m_other->isNull() : m_id == kNull; }
        QVariant value() const
        {
            return m_other ? *m_other : m_id == kNull ? QVariant() : QVariant(qlonglong(m_id));
        }
        operator QVariant() const { return value(); }
        QString toString() const
        {
            return m_other         ? m_other->toString()
                   : m_id == kNull ? QString()
                                   : QString::number(m_id);
        }

    private:
        static constexpr qint64 kNull = std::numeric_limits<qint64>::min();
        void spill(bool needed)
        {
            if (needed)
                m_other = std::make_unique<QVariant>(qlonglong(m_id));
        }
        void copyOther(const Key& other)
        {
            m_other = other.m_other ? std::make_unique<QVariant>(*other.m_other) : nullptr;
        }

        qint64 m_id = kNull;
        std::unique_ptr<QVariant> m_other;
    };

    struct Row
    {
        Key key;
        QString text;                              // the values as read, one after another
        std::array<quint16, kPackedFields> ends{}; // where each value ends in text
        quint32 nulls = 0;                         // one bit per value read as NULL
        quint32 modified = 0;                      // one bit per field set
        // The values as read when one is not text (or they do not fit the
        // packing): writes must match them exactly.
        std::unique_ptr<QVariantList> typed;
        std::unique_ptr<QStringList> edited; // null unless a field was set
        bool isNew = false;
        bool deleted = false;

        bool isSet(int column) const { return modified & (1u << column); }
        // Left without a trace: a deleted row, or a new row nobody typed into.
        bool dropsWhenLeft() const { return deleted || (isNew && modified == 0); }
    };
    // 100,000 rows of a directory are held at once: each byte here is 100 kB.
    static_assert(sizeof(Row) <= 88);
    static_assert(sizeof(Row::modified) * 8 == kMaxFields && sizeof(Row::nulls) * 8 == kMaxFields);
    static_assert(kMaxPackedText <= std::numeric_limits<quint16>::max());

    explicit RowStore(int fieldCount) : m_fieldCount(fieldCount) {}

    int fieldCount() const { return m_fieldCount; }
    int size() const { return int(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    Row& operator[](int row) { return m_rows[size_t(row)]; }
    const Row& operator[](int row) const { return m_rows[size_t(row)]; }

    void assign(std::vector<Row> rows) { m_rows = std::move(rows); }
    void clear() { m_rows.clear(); }
    void append(Row row) { m_rows.push_back(std::move(row)); }
    void erase(int row) { m_rows.erase(m_rows.begin() + row); }

    // Sets what the row holds in the table (fieldCount() values).
    void setOriginal(Row& row, const QVariant* values) const;
    // Packs a row of ASCII texts and NULLs (data null) straight from the
    // engine's buffers; false, with the row untouched, when it does not fit.
    bool packAscii(Row& row, const char* const* data, const int* sizes) const;

    // A field as read: empty text for NULL.
    QString originalText(const Row& row, int column) const;
    // A field as read, for matching the row in the table: NULL stays NULL.
    QVariant originalValue(const Row& row, int column) const;
    // A field as the cursor holds it, typed values included.
    QString value(int row, int column) const;
    // The same as a view into the row's own text, valid until the row
    // changes; a value that is not text is converted into scratch.
    QStringView view(int row, int column, QString& scratch) const;
    // A field as the table holds it, typed values left out, viewed the same way.
    QStringView storedView(int row, int column, QString& scratch) const;

    // Sets a field; the row then holds an unwritten change.
    void edit(int row, int column, const QString& text);
    // Drops every unwritten change of the row.
    void dropEdits(int row);
    bool isPending(int row) const;

private:
    int m_fieldCount;
    std::vector<Row> m_rows;
    mutable QByteArray m_packing; // reused by packAscii
};
