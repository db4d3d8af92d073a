/*
 * Serialisation target for axiom_node_serialize: an XML writer. The output
 * owns its writer and frees it with itself.
 */
#ifndef AXIOM_OUTPUT_H
#define AXIOM_OUTPUT_H

#include <axutil_utils_defines.h>
#include <axutil_utils.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_xml_writer.h>
#include <axutil_array_list.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_output axiom_output_t;

/* Takes over `xml_writer`. */
AXIS2_EXTERN axiom_output_t *AXIS2_CALL
axiom_output_create(const axutil_env_t *env, axiom_xml_writer_t *xml_writer);

/* Frees the output and its writer. */
AXIS2_EXTERN void AXIS2_CALL
axiom_output_free(axiom_output_t *om_output, const axutil_env_t *env);

AXIS2_EXTERN axiom_xml_writer_t *AXIS2_CALL
axiom_output_get_xml_writer(axiom_output_t *om_output, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_OUTPUT_H */
