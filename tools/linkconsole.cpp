#include "linkconsole.h"

#include "frames.h"
#include "linkmessages.h"
#include "portdoctor.h"

namespace linktool {

using Kind = LinkResult::Kind;

void say(QTextStream& stream, const QString& text)
{
    stream << text << '\n';
    stream.flush();
}

void complain(Console& console, const QString& text)
{
    say(console.err, QStringLiteral("quorvane-link: ") + text);
}

bool stopAsked(const Environment& env)
{
    return env.stop && *env.stop;
}

QString recordedSignalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral(QT_TRANSLATE_NOOP("linktool", "SIGHUP (the terminal was closed)"));
    default:
        return QStringLiteral("Ctrl+C (SIGINT)");
    }
}

QString shownStop(const QString& recorded)
{
    return QCoreApplication::translate("linktool", recorded.toUtf8().constData());
}

QString signalName(int signalNumber)
{
    return shownStop(recordedSignalName(signalNumber));
}

QString duration(int milliseconds)
{
    const int seconds = (milliseconds + 999) / 1000;
    //: A duration in seconds.
    if (seconds < 60)
        return Text::tr("%1 s").arg(seconds);
    //: A duration in minutes and seconds.
    return Text::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Why the user may not open the device, as the port doctor tells it.
QString accessHint(const QString& device)
{
    const portdoctor::Device d =
        portdoctor::describe(device, portdoctor::Roots{}, portdoctor::Identity::current(), false);
    if (!d.exists || d.mayOpen)
        return Text::tr("You may not open it; 'quorvane-link ports' shows why.");
    return d.access.left(1).toUpper() + d.access.mid(1) + u'.';
}

// The command's result in the program's words, then what the program's box
// leaves out: why the port did not open and where to look next.
QString describe(const LinkResult& r, const QString& device, const QString& roomFile)
{
    const std::optional<LinkMessage> message = linkMessage(r);
    if (!message) {
        const QString port =
            r.address.isEmpty() ? QStringLiteral("COM%1 (%2)").arg(r.port).arg(device) : r.address;
        if (r.kind == Kind::Stopped)
            return Text::tr("The download was stopped by %1 after %2 of %n rooms.", nullptr,
                            r.total)
                .arg(shownStop(r.detail))
                .arg(r.sent);
        return Text::tr("%1 is not ready, so nothing was sent. %2").arg(port, r.detail);
    }
    // A terminal ends a line with a line feed alone.
    QString text = QString(message->text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    switch (r.kind) {
    case Kind::NoSuchPort:
        return text + Text::tr("\n%1.\nSee the serial devices of this computer and how to "
                               "map one with: quorvane-link ports")
                          .arg(r.detail);
    case Kind::OpenFailed:
        return text +
               //: Follows the port error: %1 the device, %2 the system's error number, %3 what to
               //: do.
               Text::tr("\n%1 (error %2).\n%3")
                   .arg(r.detail)
                   .arg(r.code)
                   .arg(r.code == 13   ? accessHint(device)
                        : r.code == 16 ? Text::tr("Another program holds it; "
                                                  "'quorvane-link ports' shows which.")
                                       : Text::tr("'quorvane-link ports' shows what "
                                                  "it is."));
    case Kind::Empty:
        return text + u'\n' + roomFile;
    default:
        break;
    }
    if (!message->namesDetail && !r.detail.isEmpty())
        text += u'\n' + r.detail;
    return text;
}

int exitFor(const LinkResult& result)
{
    switch (result.kind) {
    case Kind::Done:
        return kComplete;
    case Kind::LinkFailed:
    case Kind::Changed:
    case Kind::Interrupted:
    case Kind::Stopped:
        return kStopped;
    default:
        return kRefused;
    }
}

void ProgressPrinter::update(const DirectoryDownload::Progress& p)
{
    if (p.finished) {
        finish();
        return;
    }
    m_sent = p.sent;
    m_total = p.total;
    m_leftMs = DirectoryDownload::millisecondsLeft(p.sent, p.total, m_baud);
    m_since.start();
    if (m_console.terminal)
        draw();
    else if (p.sent == 0)
        say(m_console.err,
            Text::tr("Sending %n rooms, about %1.", nullptr, p.total).arg(duration(m_leftMs)));
    else if (p.sent % frames::kRowsPerBatch == 0 || p.sent == p.total)
        say(m_console.err, Text::tr("%1 of %n rooms sent, about %2 left.", nullptr, p.total)
                               .arg(p.sent)
                               .arg(duration(m_leftMs)));
}

void ProgressPrinter::tick()
{
    if (m_console.terminal && m_drawn && m_lastDraw.elapsed() >= 250)
        draw();
}

void ProgressPrinter::finish()
{
    if (m_drawn) {
        m_console.err << '\n';
        m_console.err.flush();
        m_drawn = false;
    }
}

void ProgressPrinter::draw()
{
    constexpr int kWidth = 30;
    const int filled = m_total > 0 ? m_sent * kWidth / m_total : 0;
    const int left = qMax<qint64>(0, m_leftMs - m_since.elapsed());
    const QString line =
        //: A progress bar: %1%2 are the bar's # and - marks, %3 of %n rooms sent, %4 the time left.
        Text::tr("[%1%2] %3/%n rooms, %4 left", nullptr, m_total)
            .arg(QString(filled, u'#'), QString(kWidth - filled, u'-'))
            .arg(m_sent)
            .arg(duration(left));
    // Padded, so a shorter line covers a longer one.
    m_console.err << '\r' << line.leftJustified(m_width);
    m_console.err.flush();
    m_width = qMax(m_width, int(line.size()));
    m_drawn = true;
    m_lastDraw.start();
}

void noteRecord(Console& console, const LinkResult& result)
{
    const QString why = result.recordFailure.isEmpty() ? result.notRecorded : result.recordFailure;
    if (!why.isEmpty())
        complain(console, Text::tr("The transfer was not recorded: %1").arg(why));
}

int stoppedBeforeSending(Console& console, const Environment& env)
{
    complain(console,
             //: %1 is what stopped it: a signal, such as "Ctrl+C (SIGINT)" or "SIGTERM".
             Text::tr("Stopped by %1 before anything was sent.").arg(signalName(*env.stop)));
    return kStopped;
}

} // namespace linktool
