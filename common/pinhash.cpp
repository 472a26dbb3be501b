#include "pinhash.h"

#include <QRandomGenerator>
#include <QStringList>

#include <nettle/pbkdf2.h>

namespace pinhash {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
// About 50 ms a login on an office PC: slow for a guesser, unnoticed by an operator.
constexpr int kIterations = 120000;
constexpr int kSaltBytes = 16;
constexpr int kDigestBytes = 32;

QByteArray derive(const QString& pin, const QByteArray& salt, int iterations)
{
    const QByteArray key = pin.toUtf8();
    QByteArray derived(kDigestBytes, Qt::Uninitialized);
    pbkdf2_hmac_sha256(size_t(key.size()), reinterpret_cast<const uint8_t*>(key.constData()),
                       unsigned(iterations), size_t(salt.size()),
                       reinterpret_cast<const uint8_t*>(salt.constData()), size_t(kDigestBytes),
                       reinterpret_cast<uint8_t*>(derived.data()));
    return derived;
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString digest(const QString& pin)
{
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / int(sizeof(quint32)));
    return QStringList{kScheme, QString::number(kIterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(pin, salt, kIterations).toBase64())}
        .join(QLatin1Char('$'));
}

bool isDigest(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    bool number = false;
    return parts.size() == 4 && parts[0] == kScheme && parts[1].toInt(&number) > 0 && number;
}

QString proof(const QString& pin, const QString& settings)
{
    const QStringList parts = settings.split(QLatin1Char('$'));
    bool number = false;
    const int iterations = parts.value(1).toInt(&number);
    // A digest asking for absurd work is not one we made.
    if (parts.size() != 3 || parts[0] != kScheme || !number || iterations <= 0 ||
        iterations > 10 * kIterations)
        return {};
    return QString::fromLatin1(
        derive(pin, QByteArray::fromBase64(parts[2].toLatin1()), iterations).toBase64());
}

bool matches(const QString& pin, const QString& stored)
{
    if (!isDigest(stored))
        return false;
    const QStringList parts = stored.split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    // A digest asking for absurd work is not one we made.
    const int iterations = parts[1].toInt();
    if (iterations > 10 * kIterations || expected.size() != kDigestBytes)
        return false;
    return sameBytes(derive(pin, salt, iterations), expected);
}

} // namespace pinhash
