/*
 * Text content of AXIOM elements. The value is kept unescaped; the
 * serializer escapes it.
 */
#ifndef AXIOM_TEXT_H
#define AXIOM_TEXT_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axiom_node.h>
#include <axiom_output.h>
/* Axis2/C's header brings this in through its data handler. */
#include <axutil_hash.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_text axiom_text_t;

/* New text node (appended to `parent` when given) holding a copy of `value`;
 * the node is returned through `node`. */
AXIS2_EXTERN axiom_text_t *AXIS2_CALL
axiom_text_create(const axutil_env_t *env, axiom_node_t *parent, const axis2_char_t *value,
                  axiom_node_t **node);

/* Owned by the text. */
AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axiom_text_get_value(struct axiom_text *om_text, const axutil_env_t *env);

AXIS2_EXTERN const axis2_char_t *AXIS2_CALL
axiom_text_get_text(struct axiom_text *om_text, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_text_set_value(struct axiom_text *om_text, const axutil_env_t *env,
                     const axis2_char_t *value);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_TEXT_H */
