#pragma once

#include "directorydownload.h"
#include "linktool.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

// What quorvane-link puts between the link commands and the terminal: the
// device and pauses that give way to Ctrl+C, and the progress shown.
namespace linktool {

void say(QTextStream& stream, const QString& text);
void complain(Console& console, const QString& text);
bool stopAsked(const Environment& env);
// "Ctrl+C (SIGINT)", "SIGTERM", "SIGHUP (the terminal was closed)", as the
// transfer record keeps it whatever the language.
QString recordedSignalName(int signalNumber);
// A stop as the transfer record keeps it, in the operator's language.
QString shownStop(const QString& recorded);
// The signal's name in the operator's language.
QString signalName(int signalNumber);
// "45 s", "2 min 05 s"
QString duration(int milliseconds);
// The command's result in the program's words, then what the program's box
// leaves out: why the port did not open and where to look next.
QString describe(const LinkResult& r, const QString& device, const QString& roomFile);
// The exit status of a command that ended so.
int exitFor(const LinkResult& result);
// The options whose value follows them: a value is never taken for --help.
const QStringList& valueOptions();
// Why the transfer was not recorded, when it was not.
void noteRecord(Console& console, const LinkResult& result);
// A stop asked for before the device was opened.
int stoppedBeforeSending(Console& console, const Environment& env);

// The device as the commands see it, refusing further bytes once a stop was
// asked for while armed; what is already queued still leaves, and closing
// gives the device back as it was.
class StoppablePort : public SerialPort
{
public:
    StoppablePort(SerialPort& inner, const Environment& env) : m_inner(inner), m_env(env) {}
    // Owning its device: one a door unit when several are sent to at once.
    StoppablePort(std::unique_ptr<SerialPort> inner, const Environment& env)
        : m_owned(std::move(inner)), m_inner(*m_owned), m_env(env)
    {
    }

    int open(const QString& device, const LineSettings& settings) override
    {
        return m_inner.open(device, settings);
    }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray& bytes) override
    {
        if (armed && stopAsked(m_env)) {
            stoppedHere = true;
            return false;
        }
        if (!m_inner.write(bytes))
            return false;
        written += bytes.size();
        return true;
    }
    int queued() override { return m_inner.queued(); }
    bool drain(int deadlineMs) override { return m_inner.drain(deadlineMs); }
    void discardInput() override { m_inner.discardInput(); }
    QString errorText() const override
    {
        return stoppedHere ? QStringLiteral("stopped on request") : m_inner.errorText();
    }
    QString stopRequest() const override
    {
        return stoppedHere ? recordedSignalName(*m_env.stop) : QString();
    }

    // Only a download stops part-way; the settings and Load Default take under
    // a second and always go out whole.
    bool armed = false;
    bool stoppedHere = false;
    qint64 written = 0;

private:
    std::unique_ptr<SerialPort> m_owned;
    SerialPort& m_inner;
    const Environment& m_env;
};

// The pauses of the commands; once a stop is asked for they are cut short.
class StoppablePauser : public Pauser
{
public:
    StoppablePauser(Pauser& inner, const Environment& env) : m_inner(inner), m_env(env) {}
    StoppablePauser(std::unique_ptr<Pauser> inner, const Environment& env)
        : m_owned(std::move(inner)), m_inner(*m_owned), m_env(env)
    {
    }

    void pause(int milliseconds) override
    {
        if (armed && stopAsked(m_env))
            return;
        if (tick)
            tick();
        m_inner.pause(milliseconds);
    }
    void startAfresh() override { m_inner.startAfresh(); }

    bool armed = false;
    std::function<void()> tick;

private:
    std::unique_ptr<Pauser> m_owned;
    Pauser& m_inner;
    const Environment& m_env;
};

// Rooms sent and the time left: a bar redrawn in place on a terminal, a line
// a batch otherwise.
class ProgressPrinter
{
public:
    ProgressPrinter(Console& console, int baud) : m_console(console), m_baud(baud) {}

    void update(const DirectoryDownload::Progress& p);
    // During the pauses the time left counts down.
    void tick();
    void finish();

private:
    void draw();

    Console& m_console;
    int m_baud;
    int m_sent = 0;
    int m_total = 0;
    qint64 m_leftMs = 0;
    int m_width = 0;
    bool m_drawn = false;
    QElapsedTimer m_since;
    QElapsedTimer m_lastDraw;
};

} // namespace linktool
