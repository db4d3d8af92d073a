/*
 * A received SOAP Fault (owned by the envelope). SOAP 1.1 and 1.2 faults are
 * read through the same accessors: a SOAP 1.1 faultcode is the code's value,
 * its faultstring the reason's only text, its detail the detail.
 */
#ifndef AXIOM_SOAP_FAULT_H
#define AXIOM_SOAP_FAULT_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_const.h>
#include <axiom_element.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault axiom_soap_fault_t;

struct axiom_soap_fault_code;
struct axiom_soap_fault_reason;
struct axiom_soap_fault_detail;

/* NULL when the fault has no code. */
AXIS2_EXTERN struct axiom_soap_fault_code *AXIS2_CALL
axiom_soap_fault_get_code(axiom_soap_fault_t *soap_fault, const axutil_env_t *env);

/* NULL when the fault has no reason. */
AXIS2_EXTERN struct axiom_soap_fault_reason *AXIS2_CALL
axiom_soap_fault_get_reason(axiom_soap_fault_t *soap_fault, const axutil_env_t *env);

/* NULL when the fault has no detail. */
AXIS2_EXTERN struct axiom_soap_fault_detail *AXIS2_CALL
axiom_soap_fault_get_detail(axiom_soap_fault_t *soap_fault, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_get_base_node(axiom_soap_fault_t *soap_fault, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_H */
