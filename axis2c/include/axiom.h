/*
 * The AXIOM XML object model: nodes, elements, namespaces, attributes,
 * text and data-source nodes; the XML writer and output that serialise a
 * tree, and the memory reader and builder that make one from text.
 */
#ifndef AXIOM_H
#define AXIOM_H

#include <axutil_env.h>
#include <axutil_utils.h>
#include <axiom_node.h>
#include <axiom_namespace.h>
#include <axiom_attribute.h>
#include <axiom_element.h>
#include <axiom_text.h>
#include <axiom_data_source.h>
#include <axiom_document.h>
#include <axiom_output.h>
#include <axiom_stax_builder.h>
#include <axiom_xml_reader.h>
#include <axiom_xml_writer.h>
#include <axiom_defines.h>

#endif /* AXIOM_H */
