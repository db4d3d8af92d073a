/*
 * The SOAP envelope of a reply, as the service client received it. It belongs
 * to the service client and stays valid until its next exchange or until it
 * is freed; never free it.
 */
#ifndef AXIOM_SOAP_ENVELOPE_H
#define AXIOM_SOAP_ENVELOPE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_namespace.h>
#include <axiom_soap_const.h>
#include <axiom_element.h>
#include <axutil_array_list.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_envelope axiom_soap_envelope_t;

struct axiom_soap_header;
struct axiom_soap_body;

/* NULL when the envelope has no Header. */
AXIS2_EXTERN struct axiom_soap_header *AXIS2_CALL
axiom_soap_envelope_get_header(axiom_soap_envelope_t *soap_envelope, const axutil_env_t *env);

AXIS2_EXTERN struct axiom_soap_body *AXIS2_CALL
axiom_soap_envelope_get_body(axiom_soap_envelope_t *soap_envelope, const axutil_env_t *env);

/* The Envelope element node. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_envelope_get_base_node(axiom_soap_envelope_t *soap_envelope, const axutil_env_t *env);

/* AXIOM_SOAP11 or AXIOM_SOAP12, from the envelope's namespace. */
AXIS2_EXTERN int AXIS2_CALL
axiom_soap_envelope_get_soap_version(axiom_soap_envelope_t *soap_envelope, const axutil_env_t *env);

AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_soap_envelope_get_namespace(axiom_soap_envelope_t *soap_envelope, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_ENVELOPE_H */
