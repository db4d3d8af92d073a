/*
 * adb_runtime_private.h
 *
 * What the parts of the binding runtime share with each other and with nobody else: the
 * meaning of each value type (ownership, text form) and the namespace table of a
 * serialization.
 */
#ifndef ADB_RUNTIME_PRIVATE_H
#define ADB_RUNTIME_PRIVATE_H

#include "adb_runtime.h"

/* Texts, objects, nodes and lists are held by pointer; NULL stands for "no value". */
axis2_bool_t adb_value_is_reference(adb_value_type_t type);

axis2_bool_t adb_value_equals(adb_value_type_t type, adb_value_t a, adb_value_t b);

/* Frees what the record owns of `value`: texts, objects, records and lists, not nodes. */
void adb_value_free(const axutil_env_t *env, adb_value_type_t type, adb_value_t value);

/* Whether the text form may hold markup characters and is escaped when written. */
axis2_bool_t adb_value_is_escaped(adb_value_type_t type);

/* The text form of a scalar or object value as a new string (QNames: see adb_qname_to_text). */
axis2_char_t *adb_value_to_text(const axutil_env_t *env, adb_value_type_t type, adb_value_t value);

/* Converts element text to a value of `type`; texts are not copied (setting copies them) and
 * objects are new. A QName's prefix is resolved in the scope of `node`. */
axis2_status_t adb_value_from_text(const axutil_env_t *env, adb_value_type_t type, const axis2_char_t *text,
                                   axiom_node_t *node, adb_value_t *value);

/* The prefix recorded in `namespaces` for `uri`; a missing one is generated from `pattern`
 * ("n%d", "q%d") and the next index, recorded and declared on `element`. */
const axis2_char_t *adb_namespace_prefix(const axutil_env_t *env, axutil_hash_t *namespaces, int *next_ns_index,
                                         const axis2_char_t *uri, const char *pattern, axiom_element_t *element);

/* "prefix:localpart" of a QName, its namespace declared through adb_namespace_prefix. */
axis2_char_t *adb_qname_to_text(const axutil_env_t *env, axutil_qname_t *qname, axutil_hash_t *namespaces,
                                int *next_ns_index, axiom_element_t *element);

/* Whether an element read is nil: xsi:nil "true" or "1", or a nil element of its own name as
 * its content (the form a nil element binding is written in). */
axis2_bool_t adb_element_is_nil(const axutil_env_t *env, axiom_node_t *node, axis2_bool_t look_inside);

#endif /* ADB_RUNTIME_PRIVATE_H */
