#pragma once

#include <QString>

#include <optional>
#include <utility>

// The result of an operation that can be refused: success, or a failure with
// a description written for the operator.
class [[nodiscard]] Outcome
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

// A value, or the failure that stopped it being made.
template <typename T> class [[nodiscard]] Expected
{
public:
    Expected(T value) : m_value(std::move(value)) {}
    Expected(Outcome failure) : m_failure(std::move(failure)) { Q_ASSERT(!m_failure.ok()); }
    static Expected failure(const QString& description) { return Outcome::failure(description); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const Outcome& outcome() const { return m_failure; }
    // Why there is no value; empty when there is one.
    const QString& error() const { return m_failure.description(); }

    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    T& value() { return m_value.value(); }
    const T& value() const { return m_value.value(); }
    T value_or(T fallback) const { return m_value.value_or(std::move(fallback)); }

private:
    std::optional<T> m_value;
    Outcome m_failure = Outcome::success();
};
