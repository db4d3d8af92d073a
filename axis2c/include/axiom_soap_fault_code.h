/*
 * The code of a received SOAP Fault.
 */
#ifndef AXIOM_SOAP_FAULT_CODE_H
#define AXIOM_SOAP_FAULT_CODE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_fault_value.h>
#include <axiom_soap_fault_sub_code.h>
#include <axiom_soap_fault.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault_code axiom_soap_fault_code_t;

/* SOAP 1.2 only; NULL without a Subcode. */
AXIS2_EXTERN struct axiom_soap_fault_sub_code *AXIS2_CALL
axiom_soap_fault_code_get_sub_code(axiom_soap_fault_code_t *fault_code, const axutil_env_t *env);

AXIS2_EXTERN struct axiom_soap_fault_value *AXIS2_CALL
axiom_soap_fault_code_get_value(axiom_soap_fault_code_t *fault_code, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_code_get_base_node(axiom_soap_fault_code_t *fault_code, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_CODE_H */
