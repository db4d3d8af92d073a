/*
 * Elements of the AXIOM tree: local name, namespace, declared namespaces,
 * attributes and child nodes. Strings and qnames returned by getters are
 * owned by the element and stay valid until the element changes or goes.
 * Namespaces passed in are held by the element (see axiom_namespace.h);
 * attributes added belong to the element.
 */
#ifndef AXIOM_ELEMENT_H
#define AXIOM_ELEMENT_H

#include <axutil_utils_defines.h>
#include <axutil_env.h>
#include <axutil_qname.h>
#include <axutil_hash.h>
#include <axiom_node.h>
#include <axiom_namespace.h>
#include <axiom_attribute.h>
#include <axiom_output.h>
#include <axutil_utils.h>
/* Axis2/C's header brings this in through its child iterators. */
#include <axiom_text.h>

#ifdef __cplusplus
extern "C"
{
#endif

typedef struct axiom_element axiom_element_t;

/* New element node, appended to `parent` when given, else a new root; the
 * node is returned through `node` (required). `ns` becomes the element's
 * namespace and is declared on it unless an ancestor declares the same
 * prefix and URI. */
AXIS2_EXTERN axiom_element_t *AXIS2_CALL
axiom_element_create(const axutil_env_t *env, axiom_node_t *parent, const axis2_char_t *localname,
                     axiom_namespace_t *ns, axiom_node_t **node);

/* Same, taking name, URI and prefix from a qname. */
AXIS2_EXTERN axiom_element_t *AXIS2_CALL
axiom_element_create_with_qname(const axutil_env_t *env, axiom_node_t *parent,
                                const axutil_qname_t *qname, axiom_node_t **node);

/* Makes `ns` the element's namespace, declaring it when not yet in scope. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_set_namespace(axiom_element_t *om_element, const axutil_env_t *env,
                            axiom_namespace_t *ns, axiom_node_t *node);

AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_element_get_namespace(axiom_element_t *om_element, const axutil_env_t *env,
                            axiom_node_t *ele_node);

/* Declares `ns` on the element. Declaring the same prefix and URI again
 * succeeds; the same prefix with another URI fails. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_declare_namespace(axiom_element_t *om_element, const axutil_env_t *env,
                                axiom_node_t *node, axiom_namespace_t *ns);

/* Same as axiom_element_declare_namespace; the element releases `ns` even
 * when the declaration fails. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_declare_namespace_assume_param_ownership(axiom_element_t *om_element,
                                                       const axutil_env_t *env,
                                                       axiom_namespace_t *ns);

/* Nearest declaration in scope (this element, then its ancestors) with this
 * URI, and this prefix when `prefix` is not NULL. */
AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_element_find_namespace(axiom_element_t *om_element, const axutil_env_t *env,
                             axiom_node_t *node, const axis2_char_t *uri,
                             const axis2_char_t *prefix);

/* Declaration on this element only. */
AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_element_find_declared_namespace(axiom_element_t *om_element, const axutil_env_t *env,
                                      const axis2_char_t *uri, const axis2_char_t *prefix);

/* Nearest declaration in scope binding `prefix` ("" or NULL: default). */
AXIS2_EXTERN axiom_namespace_t *AXIS2_CALL
axiom_element_find_namespace_uri(axiom_element_t *om_element, const axutil_env_t *env,
                                 const axis2_char_t *prefix, axiom_node_t *element_node);

/* Namespaces declared on the element, keyed by prefix; owned by the element. */
AXIS2_EXTERN axutil_hash_t *AXIS2_CALL
axiom_element_get_namespaces(axiom_element_t *om_element, const axutil_env_t *env);

AXIS2_EXTERN axutil_qname_t *AXIS2_CALL
axiom_element_get_qname(axiom_element_t *om_element, const axutil_env_t *env,
                        axiom_node_t *ele_node);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_element_get_localname(axiom_element_t *om_element, const axutil_env_t *env);

AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_set_localname(axiom_element_t *om_element, const axutil_env_t *env,
                            const axis2_char_t *localname);

/* The element's text children joined (entity references resolved); NULL
 * when it has none. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_element_get_text(axiom_element_t *om_element, const axutil_env_t *env,
                       axiom_node_t *element_node);

/* Replaces all text children with one holding `text`. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_set_text(axiom_element_t *om_element, const axutil_env_t *env,
                       const axis2_char_t *text, axiom_node_t *element_node);

AXIS2_EXTERN axiom_element_t *AXIS2_CALL
axiom_element_get_first_element(axiom_element_t *om_element, const axutil_env_t *env,
                                axiom_node_t *element_node, axiom_node_t **first_element_node);

/* First child element whose qname equals `qname` (URI and local name). */
AXIS2_EXTERN axiom_element_t *AXIS2_CALL
axiom_element_get_first_child_with_qname(axiom_element_t *om_element, const axutil_env_t *env,
                                         axutil_qname_t *qname, axiom_node_t *element_node,
                                         axiom_node_t **child_node);

/* Takes over `attribute`; an attribute with the same qname is replaced. */
AXIS2_EXTERN axis2_status_t AXIS2_CALL
axiom_element_add_attribute(axiom_element_t *om_element, const axutil_env_t *env,
                            axiom_attribute_t *attribute, axiom_node_t *node);

AXIS2_EXTERN axiom_attribute_t *AXIS2_CALL
axiom_element_get_attribute(axiom_element_t *om_element, const axutil_env_t *env,
                            axutil_qname_t *qname);

AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_element_get_attribute_value(axiom_element_t *om_element, const axutil_env_t *env,
                                  axutil_qname_t *qname);

/* Value of the first attribute whose local name, or "prefix:localname",
 * equals `attr_name`; NULL when none. */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_element_get_attribute_value_by_name(axiom_element_t *om_element, const axutil_env_t *env,
                                          axis2_char_t *attr_name);

/* Attributes keyed by "localname|uri" (qname text); owned by the element. */
AXIS2_EXTERN axutil_hash_t *AXIS2_CALL
axiom_element_get_all_attributes(axiom_element_t *om_element, const axutil_env_t *env);

/* Serialises the element node (same as axiom_node_to_string). */
AXIS2_EXTERN axis2_char_t *AXIS2_CALL
axiom_element_to_string(axiom_element_t *om_element, const axutil_env_t *env,
                        axiom_node_t *element_node);

#ifdef __cplusplus
}
#endif

#endif /* AXIOM_ELEMENT_H */
