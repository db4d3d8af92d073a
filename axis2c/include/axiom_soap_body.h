/*
 * The Body of a received SOAP envelope (owned by the envelope).
 */
#ifndef AXIOM_SOAP_BODY_H
#define AXIOM_SOAP_BODY_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_fault.h>
#include <axiom_element.h>
#include <axiom_namespace.h>
#include <axiom_soap_envelope.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_body axiom_soap_body_t;

/* Whether the first element of the Body is a Fault. */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axiom_soap_body_has_fault(axiom_soap_body_t *soap_body, const axutil_env_t *env);

/* The Fault, or NULL when the Body carries none. */
AXIS2_EXTERN axiom_soap_fault_t *AXIS2_CALL
axiom_soap_body_get_fault(axiom_soap_body_t *soap_body, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_body_get_base_node(axiom_soap_body_t *soap_body, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axiom_soap_body_get_soap_version(axiom_soap_body_t *soap_body, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_BODY_H */
