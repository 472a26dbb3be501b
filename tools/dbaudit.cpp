// The companion's audit command: the change record of both files, read or pruned.
#include "changelist.h"
#include "dbarguments.h"
#include "dbtool.h"

namespace dbtool {

changerecord::Actor companionActor()
{
    return changerecord::Actor::here(changerecord::Actor::osUserName());
}

namespace {

QString orDash(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

// A heading line with when, what, which and who, then the values and the detail.
QStringList entryLines(const changerecord::Entry& e)
{
    QString head =
        QStringLiteral("%1  %2").arg(changelist::shownTime(e.at), changelist::shownKind(e.what));
    if (!e.subject.isEmpty())
        head += QStringLiteral("  %1").arg(e.subject);
    head += e.who.operatorName.isEmpty() && e.who.host.isEmpty()
                ? Text::tr("  (by no operator)")
                : Text::tr("  by %1 on %2 (OS user %3)")
                      .arg(orDash(e.who.operatorName), orDash(e.who.host), orDash(e.who.osUser));
    QStringList lines{head};
    if (!e.before.isEmpty())
        lines << Text::tr("    before: %1").arg(e.before);
    if (!e.after.isEmpty())
        lines << Text::tr("    after:  %1").arg(e.after);
    if (!e.detail.isEmpty())
        lines << QStringLiteral("    %1").arg(changelist::shownDetail(e.detail));
    if (e.transfer > 0)
        lines << Text::tr("    transfer record %1").arg(e.transfer);
    return lines;
}

} // namespace

int audit(const QStringList& arguments, const QString& directory, Console& console)
{
    changelist::Filter filter;
    bool csv = false;
    std::optional<QDateTime> pruneBefore;
    const auto value = [&](int& i) { return arguments.value(++i); };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--csv")) {
            csv = true;
        } else if (a == QLatin1String("--room")) {
            filter.room = value(i);
        } else if (a == QLatin1String("--operator")) {
            filter.operatorName = value(i);
        } else if (a == QLatin1String("--pc")) {
            filter.host = value(i);
        } else if (a == QLatin1String("--since") || a == QLatin1String("--until") ||
                   a == QLatin1String("--prune-before")) {
            const QString text = value(i);
            const std::optional<QDateTime> when =
                changelist::parseDate(text, a == QLatin1String("--until"));
            if (!when)
                return usageError(console, Text::tr("%1 needs a date as YYYY-MM-DD or a "
                                                    "date and time, not \"%2\".")
                                               .arg(a, text));
            (a == QLatin1String("--since")   ? filter.since
             : a == QLatin1String("--until") ? filter.until
                                             : pruneBefore.emplace()) = *when;
        } else {
            return usageError(console, a.startsWith(QStringLiteral("--"))
                                           ? Text::tr("Unknown option %1.").arg(a)
                                           : Text::tr("Name at most one directory."));
        }
    }
    if (pruneBefore) {
        if (csv || !filter.room.isEmpty() || !filter.operatorName.isEmpty() ||
            !filter.host.isEmpty() || filter.since.isValid() || filter.until.isValid())
            return usageError(console, Text::tr("--prune-before takes no other option: it removes "
                                                "every entry older than its date."));
        const Expected<int> pruned = changelist::prune(directory, *pruneBefore, companionActor());
        if (!pruned) {
            say(console.err, pruned.error());
            return kFailure;
        }
        say(console.out, Text::tr("Removed %1 older than %2 from the change record of %3.")
                             .arg(counted(*pruned, Text::tr("1 entry"), Text::tr("%1 entries")),
                                  changelist::shownTime(*pruneBefore), directory));
        return kSuccess;
    }
    const Expected<QList<changerecord::Entry>> entries = changelist::read(directory, filter);
    if (!entries) {
        say(console.err, entries.error());
        return kFailure;
    }
    if (csv) {
        console.out << QString::fromUtf8(changelist::csv(*entries));
        console.out.flush();
        return kSuccess;
    }
    const bool filtered = !filter.room.isEmpty() || !filter.operatorName.isEmpty() ||
                          !filter.host.isEmpty() || filter.since.isValid() ||
                          filter.until.isValid();
    if (entries->isEmpty())
        say(console.out, (filtered ? Text::tr("The change record of %1 holds no entry that fits.")
                                   : Text::tr("The change record of %1 holds no entry."))
                             .arg(directory));
    for (const changerecord::Entry& e : *entries) {
        for (const QString& line : entryLines(e))
            say(console.out, line);
    }
    return kSuccess;
}

} // namespace dbtool
