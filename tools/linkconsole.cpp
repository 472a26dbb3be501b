#include "linkconsole.h"

#include "frames.h"

namespace linktool {

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

} // namespace linktool
