/*
 * XML writer into a memory buffer. A start tag stays open for attributes and
 * namespace declarations until content, an end tag or another element
 * follows; an element ended while its start tag is open is written empty
 * ("<a/>"). Text and attribute values are escaped. The writer does not check
 * that the document is well-formed beyond matching end tags. The ops table of
 * Axis2/C's writer is not public here: use the functions.
 */
#ifndef AXIOM_XML_WRITER_H
#define AXIOM_XML_WRITER_H

#include <axutil_env.h>
#include <axiom_defines.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_xml_writer axiom_xml_writer_t;

/* `type` must be AXIS2_XML_PARSER_TYPE_BUFFER (else NULL with
 * AXIS2_ERROR_XML_PARSER_INVALID_MEM_TYPE); `encoding` (NULL: UTF-8) is only
 * written into an XML declaration; `is_prefix_default` and `compression` are
 * accepted and ignored. */
AXIS2_EXTERN axiom_xml_writer_t *AXIS2_CALL
axiom_xml_writer_create_for_memory(const axutil_env_t *env, axis2_char_t *encoding,
                                   int is_prefix_default, int compression, int type);

AXIS2_EXTERN void AXIS2_CALL
axiom_xml_writer_free(axiom_xml_writer_t *writer, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_start_element(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                     axis2_char_t *localname);

/* Closes the open start tag (">"). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_end_start_element(axiom_xml_writer_t *writer, const axutil_env_t *env);

/* The element in the default namespace `namespace_uri`, declared on it. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_start_element_with_namespace(axiom_xml_writer_t *writer,
                                                    const axutil_env_t *env,
                                                    axis2_char_t *localname,
                                                    axis2_char_t *namespace_uri);

/* "prefix:localname", declaring the prefix unless an open ancestor written
 * by this writer already declares it for the same URI. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_start_element_with_namespace_prefix(axiom_xml_writer_t *writer,
                                                           const axutil_env_t *env,
                                                           axis2_char_t *localname,
                                                           axis2_char_t *namespace_uri,
                                                           axis2_char_t *prefix);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_empty_element(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                     axis2_char_t *localname);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_empty_element_with_namespace_prefix(axiom_xml_writer_t *writer,
                                                           const axutil_env_t *env,
                                                           axis2_char_t *localname,
                                                           axis2_char_t *namespace_uri,
                                                           axis2_char_t *prefix);

/* FAILURE with AXIS2_ERROR_OM_ELEMENT_INVALID_STATE when no element is open. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_end_element(axiom_xml_writer_t *writer, const axutil_env_t *env);

/* Ends every element still open. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_end_document(axiom_xml_writer_t *writer, const axutil_env_t *env);

/* On the open start tag only (else AXIS2_ERROR_OM_ELEMENT_INVALID_STATE). */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_attribute(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                 axis2_char_t *localname, axis2_char_t *value);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_attribute_with_namespace_prefix(axiom_xml_writer_t *writer,
                                                       const axutil_env_t *env,
                                                       axis2_char_t *localname, axis2_char_t *value,
                                                       axis2_char_t *namespace_uri,
                                                       axis2_char_t *prefix);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_namespace(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                 axis2_char_t *prefix, axis2_char_t *namespace_uri);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_default_namespace(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                         axis2_char_t *namespace_uri);

/* An XML declaration with version 1.0 and the writer's encoding. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_start_document(axiom_xml_writer_t *writer, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_start_document_with_version_encoding(axiom_xml_writer_t *writer,
                                                            const axutil_env_t *env,
                                                            axis2_char_t *version,
                                                            axis2_char_t *encoding);

/* Escaped text content. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_write_characters(axiom_xml_writer_t *writer, const axutil_env_t *env,
                                  axis2_char_t *text);

/* The text written so far, NUL-terminated, owned by the writer and valid
 * until it is written to again or freed. */
AXIS2_EXTERN void *AXIS2_CALL
axiom_xml_writer_get_xml(axiom_xml_writer_t *writer, const axutil_env_t *env);

AXIS2_EXTERN unsigned int AXIS2_CALL
axiom_xml_writer_get_xml_size(axiom_xml_writer_t *writer, const axutil_env_t *env);

AXIS2_EXTERN int AXIS2_CALL
axiom_xml_writer_get_type(axiom_xml_writer_t *writer, const axutil_env_t *env);

/* Nothing is buffered outside the text: always SUCCESS. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_xml_writer_flush(axiom_xml_writer_t *writer, const axutil_env_t *env);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_XML_WRITER_H */
