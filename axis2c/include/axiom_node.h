/*
 * Nodes of the AXIOM XML tree. A node has a type and a data element
 * (axiom_element_t, axiom_text_t or axiom_data_source_t) that it owns.
 * A tree is released with axiom_node_free_tree on its root (or on a subtree,
 * which is detached first). axiom_node_to_string serialises a node and its
 * descendants; namespaces used but not declared by an ancestor within the
 * serialised tree are declared where they are first used.
 */
#ifndef AXIOM_NODE_H
#define AXIOM_NODE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_utils.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_node axiom_node_t;
struct axiom_element;
struct axiom_output;

typedef enum axiom_types_t
{
    AXIOM_INVALID = 0,
    AXIOM_DOCUMENT,
    AXIOM_ELEMENT,
    AXIOM_DOCTYPE,
    AXIOM_COMMENT,
    AXIOM_ATTRIBUTE,
    AXIOM_NAMESPACE,
    AXIOM_PROCESSING_INSTRUCTION,
    AXIOM_TEXT,
    AXIOM_DATA_SOURCE
} axiom_types_t;

/* An empty node of type AXIOM_INVALID. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_create(const axutil_env_t *env);

/* Parses XML text into a new tree and returns its root element node; NULL
 * with AXIS2_ERROR_INVALID_DOCUMENT_STATE_ROOT_NULL (and a detail) when the text is not a
 * well-formed document or carries a document type declaration. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_create_from_buffer(const axutil_env_t *env, axis2_char_t *buffer);

AXIS2_EXTERN void AXIS2_CALL
axiom_node_free_tree(axiom_node_t *om_node, const axutil_env_t *env);

/* Appends `child` (detaching it from any former parent). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_node_add_child(axiom_node_t *om_node, const axutil_env_t *env, axiom_node_t *child);

/* Unlinks the node from its parent and siblings; returns it. */
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_detach(axiom_node_t *om_node, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_node_insert_sibling_after(axiom_node_t *om_node, const axutil_env_t *env,
                                axiom_node_t *node_to_insert);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_node_insert_sibling_before(axiom_node_t *om_node, const axutil_env_t *env,
                                 axiom_node_t *node_to_insert);

AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_parent(axiom_node_t *om_node, const axutil_env_t *env);
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_first_child(axiom_node_t *om_node, const axutil_env_t *env);
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_first_element(axiom_node_t *om_node, const axutil_env_t *env);
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_last_child(axiom_node_t *om_node, const axutil_env_t *env);
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_previous_sibling(axiom_node_t *om_node, const axutil_env_t *env);
AXIS2_EXTERN axiom_node_t *AXIS2_CALL
axiom_node_get_next_sibling(axiom_node_t *om_node, const axutil_env_t *env);

AXIS2_EXTERN axiom_types_t AXIS2_CALL
axiom_node_get_node_type(axiom_node_t *om_node, const axutil_env_t *env);

/* The node's axiom_element_t / axiom_text_t / axiom_data_source_t. */
AXIS2_EXTERN void *AXIS2_CALL
axiom_node_get_data_element(axiom_node_t *om_node, const axutil_env_t *env);

/* Trees are always complete in this engine. */
AXIS2_EXTERN axis2_bool_t AXIS2_CALL
axiom_node_is_complete(axiom_node_t *om_node, const axutil_env_t *env);

/* XML text of the node and its descendants (no XML declaration); a new
 * string to release with AXIS2_FREE. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_node_to_string(axiom_node_t *om_node, const axutil_env_t *env);

/* Writes the node and its descendants to `om_output`'s writer, as
 * axiom_node_to_string would give them. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_node_serialize(axiom_node_t *om_node, const axutil_env_t *env,
                     struct axiom_output *om_output);

/* Like axiom_node_to_string, but for the children of an element only. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_node_sub_tree_to_string(axiom_node_t *om_node, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_NODE_H */
