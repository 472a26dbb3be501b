#pragma once

#include <QElapsedTimer>
#include <QString>

class QSqlDatabase;

// What the program shows while a statement waits for a file another program
// holds. The core only calls it; a window library makes it visible.
class BusyWatcher
{
public:
    virtual ~BusyWatcher() = default;
    // At the first retry: the file at path is held by another program.
    virtual void waitBegins(const QString& path) = 0;
    // At every retry while the wait lasts, a few dozen times a second.
    virtual void stillWaiting() = 0;
    // Once the statements that waited are done, whatever they came to.
    virtual void waitEnds() = 0;
};

// The busy handler of one connection: a statement that finds the file held
// retries until the limit has passed, telling the watcher, where SQLite's own
// timeout would sleep the whole wait through without a sign.
class BusyWait
{
public:
    explicit BusyWait(int limitMs) : m_limitMs(limitMs) {}

    void setWatcher(BusyWatcher* watcher) { m_watcher = watcher; }
    void setLimit(int ms) { m_limitMs = ms; }
    // Takes over the waits of the connection, which opened the file at path;
    // one the engine cannot reach is left as it is.
    void install(const QSqlDatabase& db, const QString& path);
    // The engine's call at each retry (count from 0): whether to try again.
    bool retry(int count);
    // After the statements that may have waited: the watcher hears the end.
    void finished();

    // Calls finished() when it goes.
    class Span
    {
    public:
        explicit Span(BusyWait& wait) : m_wait(wait) {}
        ~Span() { m_wait.finished(); }
        Q_DISABLE_COPY_MOVE(Span)

    private:
        BusyWait& m_wait;
    };

private:
    static constexpr int kStepMs = 20;
    int m_limitMs;
    BusyWatcher* m_watcher = nullptr;
    QString m_path;
    QElapsedTimer m_clock;
    bool m_waiting = false;
};
