/*
 * The Header of a received SOAP envelope (owned by the envelope).
 */
#ifndef AXIOM_SOAP_HEADER_H
#define AXIOM_SOAP_HEADER_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_element.h>
#include <axutil_array_list.h>
#include <axutil_hash.h>
#include <axiom_soap_envelope.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_header axiom_soap_header_t;

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_header_get_base_node(axiom_soap_header_t *soap_header, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axiom_soap_header_get_soap_version(axiom_soap_header_t *soap_header, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_HEADER_H */
