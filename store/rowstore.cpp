#include "rowstore.h"

void RowStore::setOriginal(Row& row, const QVariant* values) const
{
    const int n = m_fieldCount;
    row.typed.reset();
    row.text.clear();
    row.nulls = 0;
    row.ends.fill(0);
    bool packable = n <= kPackedFields;
    qsizetype total = 0;
    for (int i = 0; i < n && packable; ++i) {
        if (values[i].isNull())
            continue;
        if (values[i].typeId() != QMetaType::QString)
            packable = false;
        else
            total += static_cast<const QString*>(values[i].constData())->size();
    }
    if (!packable || total > kMaxPackedText) {
        row.typed = std::make_unique<QVariantList>(values, values + n);
        return;
    }
    row.text.reserve(total);
    for (int i = 0; i < n; ++i) {
        if (values[i].isNull())
            row.nulls |= 1u << i;
        else
            row.text += *static_cast<const QString*>(values[i].constData());
        row.ends[size_t(i)] = quint16(row.text.size());
    }
}

bool RowStore::packAscii(Row& row, const char* const* data, const int* sizes) const
{
    if (m_fieldCount > kPackedFields)
        return false;
    QByteArray& bytes = m_packing;
    bytes.clear();
    quint32 nulls = 0;
    std::array<quint16, kPackedFields> ends{};
    for (int i = 0; i < m_fieldCount; ++i) {
        if (!data[i]) {
            nulls |= 1u << i;
        } else {
            for (int k = 0; k < sizes[i]; ++k) {
                if (static_cast<unsigned char>(data[i][k]) >= 0x80)
                    return false;
            }
            bytes.append(data[i], sizes[i]);
            if (bytes.size() > kMaxPackedText)
                return false;
        }
        ends[size_t(i)] = quint16(bytes.size());
    }
    row.typed.reset();
    row.nulls = nulls;
    row.ends = ends;
    row.text = QString::fromLatin1(bytes);
    return true;
}

QString RowStore::originalText(const Row& row, int column) const
{
    if (row.typed)
        return row.typed->value(column).toString();
    if (column < 0 || column >= m_fieldCount || (row.nulls & (1u << column)))
        return {};
    const int start = column == 0 ? 0 : row.ends[size_t(column - 1)];
    return row.text.mid(start, row.ends[size_t(column)] - start);
}

QVariant RowStore::originalValue(const Row& row, int column) const
{
    if (row.typed)
        return row.typed->value(column);
    if (row.nulls & (1u << column))
        return QVariant(QMetaType::fromType<QString>());
    // A packed row of empty texts holds a null string, and the driver binds
    // a null string as NULL, which an empty text never matches.
    const QString text = originalText(row, column);
    return text.isNull() ? QStringLiteral("") : text;
}

QString RowStore::value(int row, int column) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.isSet(column))
        return (*r.edited)[column];
    return originalText(r, column);
}

QStringView RowStore::view(int row, int column, QString& scratch) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.isSet(column))
        return (*r.edited)[column];
    return storedView(row, column, scratch);
}

QStringView RowStore::storedView(int row, int column, QString& scratch) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.typed) {
        scratch = r.typed->value(column).toString();
        return scratch;
    }
    if (column < 0 || column >= m_fieldCount || (r.nulls & (1u << column)))
        return {};
    const int start = column == 0 ? 0 : r.ends[size_t(column - 1)];
    return QStringView(r.text).mid(start, r.ends[size_t(column)] - start);
}

void RowStore::edit(int row, int column, const QString& text)
{
    Row& r = m_rows[size_t(row)];
    if (!r.edited) {
        r.edited = std::make_unique<QStringList>();
        for (int i = 0; i < m_fieldCount; ++i)
            *r.edited << originalText(r, i);
    }
    // An empty value is stored as empty text, not NULL: the driver binds a
    // null QString as NULL.
    (*r.edited)[column] = text.isNull() ? QStringLiteral("") : text;
    r.modified |= 1u << column;
}

void RowStore::dropEdits(int row)
{
    Row& r = m_rows[size_t(row)];
    r.edited.reset();
    r.modified = 0;
}

bool RowStore::isPending(int row) const
{
    const Row& r = m_rows[size_t(row)];
    return !r.deleted && r.modified != 0;
}
