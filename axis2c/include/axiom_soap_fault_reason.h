/*
 * The reason of a received SOAP Fault: one text per language.
 */
#ifndef AXIOM_SOAP_FAULT_REASON_H
#define AXIOM_SOAP_FAULT_REASON_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axutil_array_list.h>
#include <axiom_soap_fault_text.h>
#include <axiom_soap_fault.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault_reason axiom_soap_fault_reason_t;

/* The text in `lang` (the first text when `lang` is NULL); NULL when none. */
AXIS2_EXTERN struct axiom_soap_fault_text *AXIS2_CALL
axiom_soap_fault_reason_get_soap_fault_text(axiom_soap_fault_reason_t *fault_reason,
                                            const axutil_env_t *env, axis2_char_t *lang);

/* Every text, owned by the reason. */
AXIS2_EXTERN axutil_array_list_t *AXIS2_CALL
axiom_soap_fault_reason_get_all_soap_fault_texts(axiom_soap_fault_reason_t *fault_reason,
                                                 const axutil_env_t *env);

AXIS2_EXTERN struct axiom_soap_fault_text *AXIS2_CALL
axiom_soap_fault_reason_get_first_soap_fault_text(axiom_soap_fault_reason_t *fault_reason,
                                                  const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_reason_get_base_node(axiom_soap_fault_reason_t *fault_reason,
                                      const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_REASON_H */
