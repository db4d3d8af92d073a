/*
 * The value of a fault code or subcode (a qualified name as text).
 */
#ifndef AXIOM_SOAP_FAULT_VALUE_H
#define AXIOM_SOAP_FAULT_VALUE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_fault.h>
#include <axiom_soap_fault_sub_code.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault_value axiom_soap_fault_value_t;

/* Trimmed text, owned by the value; NULL when empty. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_soap_fault_value_get_text(axiom_soap_fault_value_t *fault_value, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_value_get_base_node(axiom_soap_fault_value_t *fault_value,
                                     const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_VALUE_H */
