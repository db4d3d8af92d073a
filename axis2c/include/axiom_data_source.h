/*
 * Data-source nodes: raw XML text written into the node's stream is emitted
 * verbatim at the node's place when the tree is serialised. The caller is
 * responsible for the text being well-formed XML content.
 */
#ifndef AXIOM_DATA_SOURCE_H
#define AXIOM_DATA_SOURCE_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_stream.h>
#include <axiom_node.h>
#include <axiom_output.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_data_source axiom_data_source_t;

/* New node of type AXIOM_DATA_SOURCE, appended to `parent` when given. */
AXIS2_EXTERN axiom_data_source_t *AXIS2_CALL
axiom_data_source_create(const axutil_env_t *env, axiom_node_t *parent, axiom_node_t **node);

/* The node's stream, owned by the data source. */
AXIS2_EXTERN axutil_stream_t *AXIS2_CALL
axiom_data_source_get_stream(struct axiom_data_source *om_data_source, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_DATA_SOURCE_H */
