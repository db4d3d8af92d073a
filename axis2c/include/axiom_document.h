/*
 * The document a tree builder produces. Its root element is built from the
 * whole input at the first request; malformed input gives NULL with
 * AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL and the parser's reason.
 */
#ifndef AXIOM_DOCUMENT_H
#define AXIOM_DOCUMENT_H

#include <axutil_env.h>
#include <axiom_node.h>
#include <axutil_utils_defines.h>
#include <axiom_output.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_document axiom_document_t;

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_document_get_root_element(axiom_document_t *document, const axutil_env_t *env);

/* Same as axiom_document_get_root_element: documents are built whole. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_document_build_all(axiom_document_t *document, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_DOCUMENT_H */
