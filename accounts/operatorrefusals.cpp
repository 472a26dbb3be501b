#include "databasesetup.h"

#include "operatorlimits.h"

#include <QCoreApplication>

// Why a new operator's name or PIN cannot be taken.

namespace databasesetup {

Outcome checkName(const QString& name, const QStringList& taken)
{
    if (name.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("databasesetup", "The operator name must not be empty."));
    // At login the first operator of a name decides which PIN is accepted, so
    // a second one of the same name could never log in.
    if (taken.contains(name))
        return Outcome::failure(
            QCoreApplication::translate(
                "databasesetup",
                "An operator named \"%1\" already exists, and only the first "
                "operator of a name can log in. Choose another name, or change that "
                "operator's PIN in Quorvane under Setting, User Password Set, Edit "
                "User.")
                .arg(name));
    return operatorlimits::check(name, operatorlimits::Field::Name);
}

Outcome checkPin(const QString& pin)
{
    return operatorlimits::check(pin, operatorlimits::Field::Pin);
}

Outcome checkPinAgain(const QString& pin, const QString& again)
{
    if (pin == again)
        return Outcome::success();
    return Outcome::failure(QCoreApplication::translate(
        "databasesetup", "The two PINs differ; please type them again."));
}

FirstOperator givenOperator(const QString& name, const QString& pin)
{
    return {true, [name, pin](const Say& say) -> std::optional<Operator> {
                for (const Outcome& refused : {checkName(name, {}), checkPin(pin)}) {
                    if (!refused) {
                        say(Channel::Problem, refused.description());
                        return std::nullopt;
                    }
                }
                return Operator{name, pin};
            }};
}

} // namespace databasesetup
