#pragma once

#include "outcome.h"

#include <gensio/gensio.h>
#include <gensio/gensio_os_funcs_public.h>
#include <gensio/gensio_unix.h>
#include <gensio/selector.h>
#include <gensio/sergensio.h>

// gensio, loaded the first time a port behind a device server is opened
// rather than when a program starts: a serial cable never needs it, and the
// library with all it brings (Kerberos, SCTP, TCP wrappers, RPC) would cost
// every start of every program a dozen libraries to map.
namespace libgensio {

#define QUORVANE_GENSIO_FUNCTIONS(F)                                                               \
    F(gensio_close_s)                                                                              \
    F(gensio_err_to_str)                                                                           \
    F(gensio_free)                                                                                 \
    F(gensio_open)                                                                                 \
    F(gensio_os_funcs_alloc_waiter)                                                                \
    F(gensio_os_funcs_free)                                                                        \
    F(gensio_os_funcs_free_waiter)                                                                 \
    F(gensio_os_funcs_wait)                                                                        \
    F(gensio_os_funcs_wake)                                                                        \
    F(gensio_read_s)                                                                               \
    F(gensio_set_read_callback_enable)                                                             \
    F(gensio_set_sync)                                                                             \
    F(gensio_to_sergensio)                                                                         \
    F(gensio_unix_funcs_alloc)                                                                     \
    F(gensio_write_s)                                                                              \
    F(sel_alloc_selector_nothread)                                                                 \
    F(sel_free_selector)                                                                           \
    F(sergensio_baud)                                                                              \
    F(sergensio_datasize)                                                                          \
    F(sergensio_flowcontrol)                                                                       \
    F(sergensio_parity)                                                                            \
    F(sergensio_stopbits)                                                                          \
    F(str_to_gensio)

// The functions this program calls, each under gensio's own name.
struct Functions
{
#define QUORVANE_GENSIO_MEMBER(name) decltype(&::name) name = nullptr;
    QUORVANE_GENSIO_FUNCTIONS(QUORVANE_GENSIO_MEMBER)
#undef QUORVANE_GENSIO_MEMBER
};

// The functions, the library loaded on the first call; a failure says what
// could not be loaded, for a message.
[[nodiscard]] Expected<const Functions*> functions();

} // namespace libgensio
