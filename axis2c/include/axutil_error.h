/*
 * Error state carried by an environment: the current error number, the
 * status of the last operation and the text describing the error.
 * Engine functions record failures here (number and status FAILURE) and
 * return NULL/AXIS2_FAILURE; transport failures also attach a detail (cause,
 * endpoint) that axutil_error_get_message includes. Setting a new error
 * number drops any detail recorded for an earlier one. Not thread-safe: one
 * environment per thread.
 */
#ifndef AXUTIL_ERROR_H
#define AXUTIL_ERROR_H

#include <axutil_utils_defines.h>
#include <axutil_allocator.h>

#ifdef __cplusplus
extern "C"
{
#endif

enum axis2_status_codes
{
    AXIS2_CRITICAL_FAILURE = -1,
    AXIS2_FAILURE,
    AXIS2_SUCCESS
};

/* Error numbers. 0, 1 and 2 are fixed; the others may be renumbered between
 * releases, so compare against the names. */
enum axutil_error_codes
{
    AXIS2_ERROR_NONE = 0,
    AXIS2_ERROR_NO_MEMORY,
    AXIS2_ERROR_INVALID_NULL_PARAM,
    AXIS2_ERROR_INDEX_OUT_OF_BOUNDS,
    AXIS2_ERROR_INVALID_VALUE,
    AXIS2_ERROR_INVALID_URI,
    AXIS2_ERROR_INVALID_NODE_TYPE,
    AXIS2_ERROR_XML_PARSE_ERROR,
    AXIS2_ERROR_INVALID_SOAP_ENVELOPE,
    AXIS2_ERROR_INVALID_CLIENT_CONFIGURATION,
    AXIS2_ERROR_INVALID_ADDRESS,
    AXIS2_ERROR_SOCKET_ERROR,
    AXIS2_ERROR_HTTP_REQUEST_NOT_SENT,
    AXIS2_ERROR_RESPONSE_TIMED_OUT,
    AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
    AXIS2_ERROR_SSL_NO_CA_FILE,
    AXIS2_ERROR_SSL_CERTIFICATE_VERIFICATION_FAILED,
    AXIS2_ERROR_SSL_HANDSHAKE_FAILED,
    AXIS2_ERROR_SSL_CLIENT_CERTIFICATE_INVALID,
    AXIS2_ERROR_INTERNAL,
    AXIS2_ERROR_LAST
};

typedef struct axutil_error
{
    axutil_allocator_t *allocator;
    int error_number;
    int status_code;
    /* Last text composed by axutil_error_get_message; owned by the error. */
    axis2_char_t *message;
} axutil_error_t;

/* New error object with AXIS2_ERROR_NONE and status AXIS2_SUCCESS. */
AXIS2_EXTERN axutil_error_t *AXIS2_CALL
axutil_error_create(axutil_allocator_t *allocator);

AXIS2_EXTERN void AXIS2_CALL
axutil_error_free(struct axutil_error *error);

/* Text for the current error number, followed by ": " and the detail when
 * one was recorded for that number. Owned by the error; valid until the
 * next call on it. */
AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axutil_error_get_message(const struct axutil_error *error);

/* Sets the error number and drops any earlier detail. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_error_number(struct axutil_error *error, int error_number);

/* Attaches a detail (copied) to the current error number. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_error_message(struct axutil_error *error, const axis2_char_t *message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_status_code(struct axutil_error *error, int status_code);

AXIS2_EXTERN int AXIS2_CALL
axutil_error_get_status_code(struct axutil_error *error);

/* Engine text for an error number, without any detail ("Unknown error" when
 * out of range). Static storage. */
AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axutil_error_get_message_for_number(int error_number);

#define AXIS2_ERROR_FREE(error) axutil_error_free(error)
#define AXIS2_ERROR_GET_MESSAGE(error) axutil_error_get_message(error)
#define AXIS2_ERROR_SET_MESSAGE(error, message) axutil_error_set_error_message(error, message)
#define AXIS2_ERROR_SET_ERROR_NUMBER(error, error_number) \
    axutil_error_set_error_number(error, error_number)
#define AXIS2_ERROR_SET_STATUS_CODE(error, status_code) \
    axutil_error_set_status_code(error, status_code)
#define AXIS2_ERROR_GET_STATUS_CODE(error) axutil_error_get_status_code(error)

#ifdef __cplusplus
}
#endif

#endif /* AXUTIL_ERROR_H */
