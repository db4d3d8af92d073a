/*
 * The detail of a received SOAP Fault; its entries are the children of its
 * base node.
 */
#ifndef AXIOM_SOAP_FAULT_DETAIL_H
#define AXIOM_SOAP_FAULT_DETAIL_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_fault.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault_detail axiom_soap_fault_detail_t;

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_detail_get_base_node(axiom_soap_fault_detail_t *fault_detail,
                                      const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_DETAIL_H */
