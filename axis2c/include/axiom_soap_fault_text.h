/*
 * One text of a fault reason.
 */
#ifndef AXIOM_SOAP_FAULT_TEXT_H
#define AXIOM_SOAP_FAULT_TEXT_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_soap_fault_reason.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_soap_fault_text axiom_soap_fault_text_t;

/* xml:lang of the text; NULL for a SOAP 1.1 faultstring or without one. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_soap_fault_text_get_lang(axiom_soap_fault_text_t *fault_text, const axutil_env_t *env);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_soap_fault_text_get_base_node(axiom_soap_fault_text_t *fault_text, const axutil_env_t *env);

/* Trimmed text, owned by the fault text; NULL when empty. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_soap_fault_text_get_text(axiom_soap_fault_text_t *fault_text, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_SOAP_FAULT_TEXT_H */
