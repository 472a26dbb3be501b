#include "changerecord.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>

// The change record's own words, and how a reader sees them.
namespace changerecord {

namespace {

// The words the record keeps for each kind, in Kind's order: what files
// already hold, never to change.
constexpr const char* kStored[] = {
    "room added",
    "room deleted",
    "room changed",
    "operator added",
    "operator deleted",
    "operator renamed",
    "operator given a new PIN",
    "operator renamed and given a new PIN",
    "room added by import",
    "room removed by import",
    "room changed by import",
    "import",
    "restore",
    "record pruned",
    "changed outside Quorvane",
    "settings sent",
    "download",
    "load default",
};

// The same kinds as a reader sees them, in Kind's order.
constexpr const char* kShown[] = {
    QT_TRANSLATE_NOOP("changerecord", "room added"),
    QT_TRANSLATE_NOOP("changerecord", "room deleted"),
    QT_TRANSLATE_NOOP("changerecord", "room changed"),
    QT_TRANSLATE_NOOP("changerecord", "operator added"),
    QT_TRANSLATE_NOOP("changerecord", "operator deleted"),
    QT_TRANSLATE_NOOP("changerecord", "operator renamed"),
    QT_TRANSLATE_NOOP("changerecord", "operator given a new PIN"),
    QT_TRANSLATE_NOOP("changerecord", "operator renamed and given a new PIN"),
    QT_TRANSLATE_NOOP("changerecord", "room added by import"),
    QT_TRANSLATE_NOOP("changerecord", "room removed by import"),
    QT_TRANSLATE_NOOP("changerecord", "room changed by import"),
    QT_TRANSLATE_NOOP("changerecord", "import"),
    QT_TRANSLATE_NOOP("changerecord", "restore"),
    QT_TRANSLATE_NOOP("changerecord", "record pruned"),
    QT_TRANSLATE_NOOP("changerecord", "changed outside Quorvane"),
    QT_TRANSLATE_NOOP("changerecord", "settings sent"),
    QT_TRANSLATE_NOOP("changerecord", "download"),
    QT_TRANSLATE_NOOP("changerecord", "load default"),
};

static_assert(std::size(kStored) == std::size_t(Kind::Unknown));
static_assert(std::size(kShown) == std::size(kStored));

} // namespace

QString storedWord(Kind kind)
{
    return kind == Kind::Unknown ? QString() : QString::fromLatin1(kStored[int(kind)]);
}

Kind kindOf(const QString& stored)
{
    const auto* found = std::find_if(std::begin(kStored), std::end(kStored), [&](const char* word) {
        return stored == QLatin1String(word);
    });
    return found == std::end(kStored) ? Kind::Unknown : Kind(found - std::begin(kStored));
}

QString shownWord(Kind kind)
{
    return kind == Kind::Unknown ? QString()
                                 : QCoreApplication::translate("changerecord", kShown[int(kind)]);
}

QString storedWord(const Entry& entry)
{
    return entry.kind == Kind::Unknown ? entry.keptWord : storedWord(entry.kind);
}

QString shownWord(const Entry& entry)
{
    return entry.kind == Kind::Unknown ? entry.keptWord : shownWord(entry.kind);
}

QString shownWords(const QString& kept, const char* context, QList<const char*> words)
{
    // Each text as a pattern, its values caught in their order.
    static const QRegularExpression value(QStringLiteral("\\\\%(\\d)"));
    for (const char* text : words) {
        QString pattern = QRegularExpression::escape(QString::fromUtf8(text));
        QList<int> order;
        for (auto it = value.globalMatch(pattern); it.hasNext();)
            order << it.next().captured(1).toInt();
        pattern.replace(value, QStringLiteral("(.*?)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(kept);
        if (!match.hasMatch())
            continue;
        QList<std::pair<int, QString>> values;
        for (qsizetype i = 0; i < order.size(); ++i)
            values.append({order[i], match.captured(int(i) + 1)});
        std::sort(values.begin(), values.end());
        QString shown = QCoreApplication::translate(context, text);
        for (const auto& [number, found] : values)
            shown = shown.arg(found);
        return shown;
    }
    return kept;
}

} // namespace changerecord
