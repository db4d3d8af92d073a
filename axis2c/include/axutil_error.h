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

/* Error numbers. Each name the engine records carries Axis2/C's value, so a
 * caller may compare against either the name or the number; names that the
 * engine never records are not declared. */
enum axutil_error_codes
{
    AXIS2_ERROR_NONE = 0,
    AXIS2_ERROR_NO_MEMORY = 1,
    AXIS2_ERROR_INVALID_NULL_PARAM = 2,
    AXIS2_ERROR_UNSUPPORTED_TYPE = 11,
    AXIS2_ERROR_CONFIG_NOT_FOUND = 20,
    AXIS2_ERROR_MODULE_NOT_FOUND = 28,
    AXIS2_ERROR_OP_NAME_MISSING = 32,
    AXIS2_ERROR_INVALID_STATE_CONF = 57,
    AXIS2_ERROR_OM_ELEMENT_INVALID_STATE = 71,
    AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR = 76,
    AXIS2_ERROR_HTTP_REQUEST_NOT_SENT = 77,
    AXIS2_ERROR_INVALID_TRANSPORT_PROTOCOL = 80,
    AXIS2_ERROR_INVALID_URL_FORMAT = 90,
    AXIS2_ERROR_RESPONSE_TIMED_OUT = 94,
    AXIS2_ERROR_SOAP_ENVELOPE_OR_SOAP_BODY_NULL = 96,
    AXIS2_ERROR_SSL_ENGINE = 97,
    AXIS2_ERROR_SSL_NO_CA_FILE = 98,
    AXIS2_ERROR_INDEX_OUT_OF_BOUNDS = 111,
    AXIS2_ERROR_INVALID_ADDRESS = 112,
    AXIS2_ERROR_INVALID_STATE_PARAM = 115,
    AXIS2_ERROR_SOCKET_ERROR = 120,
    AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL = 140,
    AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE = 167,
    AXIS2_ERROR_INVALID_BASE_TYPE = 168,
    AXIS2_ERROR_INVALID_SOAP_VERSION = 170,
    AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE = 192,
    AXIS2_ERROR_LAST = 228
};

typedef enum axis2_status_codes axis2_status_codes_t;
typedef enum axutil_error_codes axutil_error_codes_t;

typedef struct axutil_error
{
    axutil_allocator_t *allocator;
    int error_number;
    int status_code;
    /* Last text composed by axutil_error_get_message; owned by the error. */
    axis2_char_t *message;
} axutil_error_t;

AXIS2_EXTERN void AXIS2_CALL
axutil_error_free(struct axutil_error *error);

/* Text for the current error number, followed by ": " and the detail when
 * one was recorded for that number. Owned by the error; valid until the
 * next call on it. */
AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axutil_error_get_message(const struct axutil_error *error);

/* Sets the error number and drops any earlier detail. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_error_number(struct axutil_error *error, axutil_error_codes_t error_number);

/* Attaches a detail (copied) to the current error number. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_error_message(struct axutil_error *error, axis2_char_t *message);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_set_status_code(struct axutil_error *error, axis2_status_codes_t status_code);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_get_status_code(struct axutil_error *error);

/* Nothing to prepare: the texts are static. Kept for callers that call it
 * once at start-up. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axutil_error_init(void);

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
