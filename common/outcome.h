#pragma once

#include <QString>

// The result of an operation that can be refused: success, or a failure with
// a description written for the operator.
class Outcome
{
public:
    static Outcome success() { return Outcome(true, {}); }
    static Outcome failure(const QString& description) { return Outcome(false, description); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& description() const { return m_description; }

private:
    Outcome(bool ok, QString description) : m_ok(ok), m_description(std::move(description)) {}

    bool m_ok = true;
    QString m_description;
};
