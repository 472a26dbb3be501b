#pragma once

#include <QString>

class OperatorView;

// The login check over an operator view: a typed name picks the first row in
// table order that carries it exactly, and the PIN is compared with whatever
// row is current.
class LoginGate
{
public:
    explicit LoginGate(OperatorView& view) : m_view(view) {}

    // Runs when the name box loses the focus. Returns false when no row
    // carries the name; the first row is then current.
    bool lookUp(const QString& name);
    bool acceptsPin(const QString& pin) const;

private:
    OperatorView& m_view;
};
