/*
 * XML input for the tree builder (axiom_stax_builder.h): a copy of a memory
 * buffer. This engine parses whole documents; the reader's pull interface of
 * Axis2/C (next, get_name, ...) is not offered.
 */
#ifndef AXIOM_XML_READER_H
#define AXIOM_XML_READER_H

#include <axutil_env.h>
#include <axutil_utils.h>
#include <axiom_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_xml_reader axiom_xml_reader_t;

/* Copies `size` bytes of `container`. `type` must be
 * AXIS2_XML_PARSER_TYPE_BUFFER (else NULL with
 * AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE); `encoding` may be NULL (the
 * document's own declaration decides). */
AXIS2_EXTERN axiom_xml_reader_t *AXIS2_CALL
axiom_xml_reader_create_for_memory(const axutil_env_t *env, void *container, int size,
                                   const axis2_char_t *encoding, int type);

AXIS2_EXTERN void AXIS2_CALL
axiom_xml_reader_free(axiom_xml_reader_t *parser, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_XML_READER_H */
