#pragma once

#include <QString>

// PINs as a shared server keeps them: a salted, slow PBKDF2-SHA256 digest,
// so nobody who can read the operators table can read a PIN. A data folder
// keeps its PINs as typed, the way its older files hold them.
namespace pinhash {

// "pbkdf2-sha256$ITERATIONS$SALT$DIGEST", salt and digest in base64.
QString digest(const QString& pin);
// Whether pin is the PIN a digest was made from; false for anything that is
// not such a digest.
bool matches(const QString& pin, const QString& stored);
bool isDigest(const QString& stored);
// What a server compares with the last part of a digest, from the pin and
// the digest's first three parts ("pbkdf2-sha256$ITERATIONS$SALT"): the
// server checks a PIN without any login reading the digest. Empty for a
// settings text that is not one of ours.
QString proof(const QString& pin, const QString& settings);

} // namespace pinhash
