/*
 * Builds an AXIOM tree from an XML reader. The builder owns the reader and
 * its document. axiom_stax_builder_free also frees the tree built;
 * axiom_stax_builder_free_self leaves the tree to the caller, who frees its
 * root with axiom_node_free_tree.
 */
#ifndef AXIOM_STAX_BUILDER_H
#define AXIOM_STAX_BUILDER_H

#include <axiom_node.h>
#include <axiom_xml_reader.h>
#include <axiom_document.h>
#include <axutil_env.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_stax_builder axiom_stax_builder_t;

/* Takes over `parser`. */
AXIS2_EXTERN axiom_stax_builder_t *AXIS2_CALL
axiom_stax_builder_create(const axutil_env_t *env, axiom_xml_reader_t *parser);

AXIS2_EXTERN axiom_document_t *AXIS2_CALL
axiom_stax_builder_get_document(axiom_stax_builder_t *builder, const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axiom_stax_builder_free(axiom_stax_builder_t *builder, const axutil_env_t *env);

AXIS2_EXTERN void AXIS2_CALL
axiom_stax_builder_free_self(axiom_stax_builder_t *builder, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_STAX_BUILDER_H */
