#pragma once

#include "outcome.h"

#include <libpq-fe.h>

// libpq, loaded the first time a building on a server needs it rather than
// when a program starts: a data folder never does, and the library with all
// it brings (Kerberos, LDAP, TLS) would cost every start of every program
// about 12 ms and 5 MB. Qt's QPSQL driver loads the same library when its
// first connection opens.
namespace libpq {

#define QUORVANE_LIBPQ_FUNCTIONS(F)                                                                \
    F(PQclear)                                                                                     \
    F(PQconndefaults)                                                                              \
    F(PQconnectPoll)                                                                               \
    F(PQconnectStartParams)                                                                        \
    F(PQconninfoFree)                                                                              \
    F(PQconninfoParse)                                                                             \
    F(PQerrorMessage)                                                                              \
    F(PQexec)                                                                                      \
    F(PQfinish)                                                                                    \
    F(PQfreemem)                                                                                   \
    F(PQgetCopyData)                                                                               \
    F(PQgetResult)                                                                                 \
    F(PQpingParams)                                                                                \
    F(PQputCopyData)                                                                               \
    F(PQputCopyEnd)                                                                                \
    F(PQresultStatus)                                                                              \
    F(PQsetErrorVerbosity)                                                                         \
    F(PQsocket)                                                                                    \
    F(PQstatus)

// The functions this program calls, each under libpq's own name.
struct Functions
{
#define QUORVANE_LIBPQ_MEMBER(name) decltype(&::name) name = nullptr;
    QUORVANE_LIBPQ_FUNCTIONS(QUORVANE_LIBPQ_MEMBER)
#undef QUORVANE_LIBPQ_MEMBER
};

// The functions, the library loaded on the first call; a failure says what
// could not be loaded, for a message.
[[nodiscard]] Expected<const Functions*> functions();

} // namespace libpq
