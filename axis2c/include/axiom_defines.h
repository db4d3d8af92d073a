/*
 * Storage kinds of the XML reader and writer; this engine reads and writes
 * memory buffers only (AXIS2_XML_PARSER_TYPE_BUFFER).
 */
#ifndef AXIOM_DEFINES_H
#define AXIOM_DEFINES_H

#ifdef __cplusplus
extern "C"
{
#endif

typedef enum _axis2_xml_parser_type
{
    AXIS2_XML_PARSER_TYPE_BUFFER = 1,
    AXIS2_XML_PARSER_TYPE_FILE,
    AXIS2_XML_PARSER_TYPE_DOC
} axis2_xml_parser_type;

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_DEFINES_H */
