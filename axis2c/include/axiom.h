/*
 * The AXIOM XML object model: nodes, elements, namespaces, attributes,
 * text and data-source nodes.
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

#endif /* AXIOM_H */
