// The companion's audit command: the change record of both files, read or pruned.
#include "changelist.h"
#include "commandline.h"
#include "dbarguments.h"
#include "dbtool.h"
#include "visibletext.h"

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
    QString head = QStringLiteral("%1  %2").arg(shownTime(e.at, TimeShown::Second),
                                                changerecord::shownWord(e));
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

// A prune removes entries for good: refused for a date too late, then asked
// at a terminal, or confirmed by --yes. The exit status when it is not to go
// ahead, -1 when it is.
int confirmPrune(const store::Location& directory, const QDateTime& before, bool confirmed,
                 Console& console)
{
    if (Outcome allowed = changelist::pruneAllowed(before); !allowed) {
        say(console.err, allowed.description());
        return kFailure;
    }
    const Expected<int> count = changelist::prunable(directory, before);
    if (!count) {
        say(console.err, count.error());
        return kFailure;
    }
    if (confirmed || *count == 0)
        return -1;
    const QString what =
        Text::tr("Pruning removes %n entry(s) older than %1 from the change record of %2 for good.",
                 nullptr, *count)
            .arg(shownTime(before, TimeShown::Second), directory.describe());
    if (!console.interactive) {
        say(console.err,
            what + QLatin1Char(' ') + Text::tr("Nothing was removed: add --yes to remove them."));
        return kFailure;
    }
    console.err << what << QLatin1Char(' ') << Text::tr("Remove them? (y/N) ");
    console.err.flush();
    QString answer;
    console.in.readLineInto(&answer);
    answer = answer.trimmed().toLower();
    if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
        return -1;
    say(console.err, Text::tr("Nothing was removed."));
    return kFailure;
}

// Removes the entries older than before once the operator confirms it.
int prune(const store::Location& directory, const QDateTime& before, bool confirmed,
          Console& console)
{
    if (int asked = confirmPrune(directory, before, confirmed, console); asked >= 0)
        return asked;
    const Expected<int> pruned = changelist::prune(directory, before, companionActor());
    if (!pruned) {
        say(console.err, pruned.error());
        return kFailure;
    }
    say(console.out, Text::tr("Removed %1 older than %2 from the change record of %3.")
                         .arg(Text::tr("%n entries", nullptr, int(*pruned)),
                              shownTime(before, TimeShown::Second), directory.describe()));
    return kSuccess;
}

// Shows the entries the filter lets through, as lines or as CSV.
int show(const store::Location& directory, const changelist::Filter& filter, bool csv,
         Console& console)
{
    const Expected<QList<changerecord::Entry>> entries = changelist::read(directory, filter);
    if (!entries) {
        say(console.err, entries.error());
        return kFailure;
    }
    if (const QString unread = changelist::unreadPart(directory); !unread.isEmpty())
        say(console.err, unread);
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
                             .arg(directory.describe()));
    // What another program stored is shown, never acted on by the terminal.
    for (const changerecord::Entry& e : *entries) {
        for (const QString& line : entryLines(e))
            say(console.out, visibleText(line));
    }
    return kSuccess;
}

} // namespace

int audit(const QStringList& arguments, const store::Location& directory, Console& console)
{
    changelist::Filter filter;
    bool csv = false;
    bool confirmed = false;
    std::optional<QDateTime> pruneBefore;
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [](const QString& option, bool) -> commandline::Kind {
            if (option == QLatin1String("--csv") || option == QLatin1String("--yes"))
                return commandline::Takes::Nothing;
            static const QStringList valued{"--room",  "--operator", "--pc",
                                            "--since", "--until",    "--prune-before"};
            if (valued.contains(option))
                return commandline::Takes::Value;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&](const QString& a, const std::optional<QString>& value) -> Outcome {
            if (!value)
                (a == QLatin1String("--csv") ? csv : confirmed) = true;
            else if (a == QLatin1String("--room"))
                filter.room = *value;
            else if (a == QLatin1String("--operator"))
                filter.operatorName = *value;
            else if (a == QLatin1String("--pc"))
                filter.host = *value;
            else if (const std::optional<QDateTime> when =
                         changelist::parseDate(*value, a == QLatin1String("--until"));
                     !when)
                return Outcome::failure(
                    Text::tr("%1 needs a date as YYYY-MM-DD or a date and time as "
                             "YYYY-MM-DDTHH:MM or YYYY-MM-DD HH:MM:SS, a day the "
                             "month has and an hour 00 to 23; not \"%2\".")
                        .arg(a, *value));
            else
                (a == QLatin1String("--since")   ? filter.since
                 : a == QLatin1String("--until") ? filter.until
                                                 : pruneBefore.emplace()) = *when;
            return Outcome::success();
        });
    if (!walked)
        return usageError(console, walked.description());
    if (!positional.isEmpty())
        return usageError(console, Text::tr("Name at most one directory."));
    if (pruneBefore) {
        if (csv || !filter.room.isEmpty() || !filter.operatorName.isEmpty() ||
            !filter.host.isEmpty() || filter.since.isValid() || filter.until.isValid())
            return usageError(console, Text::tr("--prune-before takes no other option: it removes "
                                                "every entry older than its date."));
        return prune(directory, *pruneBefore, confirmed, console);
    }
    if (confirmed)
        return usageError(console, Text::tr("--yes only confirms --prune-before."));
    return show(directory, filter, csv, console);
}

} // namespace dbtool
