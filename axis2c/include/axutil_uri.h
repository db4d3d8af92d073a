/*
 * URI references (RFC 3986): scheme, user info, host, port, path, query and
 * fragment. axutil_uri_parse_string rejects text that is not a URI
 * reference (spaces, bad escapes, bad ports, ...) by returning NULL with
 * AXIS2_ERROR_INVALID_URL_FORMAT. Unparsing follows the AXIS2_URI_UNP_* flags; a
 * password is shown as "XXXXXXXX" unless AXIS2_URI_UNP_REVEALPASSWORD.
 */
#ifndef AXUTIL_URI_H
#define AXUTIL_URI_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_string.h>
#include <axutil_utils.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_URI_UNP_OMITSITEPART (1U << 0)
#define AXIS2_URI_UNP_OMITUSER (1U << 1)
#define AXIS2_URI_UNP_OMITPASSWORD (1U << 2)
#define AXIS2_URI_UNP_OMITUSERINFO (AXIS2_URI_UNP_OMITUSER | AXIS2_URI_UNP_OMITPASSWORD)
#define AXIS2_URI_UNP_REVEALPASSWORD (1U << 3)
#define AXIS2_URI_UNP_OMITPATHINFO (1U << 4)
#define AXIS2_URI_UNP_OMITQUERY_ONLY (1U << 5)
#define AXIS2_URI_UNP_OMITFRAGMENT_ONLY (1U << 6)
#define AXIS2_URI_UNP_OMITQUERY (AXIS2_URI_UNP_OMITQUERY_ONLY | AXIS2_URI_UNP_OMITFRAGMENT_ONLY)

typedef unsigned short axis2_port_t;
typedef struct axutil_uri axutil_uri_t;

/* An empty URI. */
AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
axutil_uri_create(const axutil_env_t *env);

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
axutil_uri_parse_string(const axutil_env_t *env, const axis2_char_t *uri);

AXIS2_EXTERN void AXIS2_CALL
axutil_uri_free(axutil_uri_t *uri, const axutil_env_t *env);

AXIS2_EXTERN axutil_uri_t *AXIS2_CALL
axutil_uri_clone(const axutil_uri_t *uri, const axutil_env_t *env);

/* New string; release with AXIS2_FREE. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_to_string(const axutil_uri_t *uri, const axutil_env_t *env, unsigned flags);

/* Components, owned by the URI; NULL when absent. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_get_protocol(axutil_uri_t *uri, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_get_host(axutil_uri_t *uri, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_get_path(axutil_uri_t *uri, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_get_query(axutil_uri_t *uri, const axutil_env_t *env);
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axutil_uri_get_fragment(axutil_uri_t *uri, const axutil_env_t *env);

/* The explicit port, else the scheme's default (80 http, 443 https), else 0. */
AXIS2_EXTERN axis2_port_t AXIS2_CALL
axutil_uri_get_port(axutil_uri_t *uri, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_URI_H */
