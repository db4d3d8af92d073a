/*
 * adb_runtime.h
 *
 * The machinery shared by the ADB data bindings of ProxyAgentService. Each binding unit
 * describes its element and properties in an adb_type_t table and forwards its operation
 * family to the functions below, so that creation, ownership, validity flags, serialization
 * and parsing follow one set of rules and a fix lands once.
 *
 * Conventions are Axis2/C's: every function takes the environment, returns NULL or
 * AXIS2_FAILURE on failure, records the error number in env->error and writes error texts to
 * the environment's log (naming the binding's own source file); nothing here aborts.
 */
#ifndef ADB_RUNTIME_H
#define ADB_RUNTIME_H

#include <stdio.h>
#include <stdint.h>
#include <axiom.h>
#include <axis2_util.h>
#include <axiom_soap.h>
#include <axis2_client.h>

#ifdef __cplusplus
extern "C"
{
#endif

/* Namespaces of the service contract (wsdl/ProxyAgentService.wsdl uses the same values). */
#define ADB_SERVICE_NAMESPACE "http://orvex.example/Ostrel"
#define ADB_SERIALIZATION_NAMESPACE "http://schemas.microsoft.com/2003/10/Serialization/"
#define ADB_ARRAYS_NAMESPACE ADB_SERIALIZATION_NAMESPACE "Arrays"
#define ADB_XSI_NAMESPACE "http://www.w3.org/2001/XMLSchema-instance"

#define ADB_MAX_PROPERTIES 2

typedef enum adb_kind
{
    ADB_KIND_MESSAGE,      /* an element of the service namespace with child elements */
    ADB_KIND_ELEMENT,      /* an element whose content is one value */
    ADB_KIND_SIMPLE_TYPE,  /* a named simple type: content of its parent element, never nil */
    ADB_KIND_COMPLEX_TYPE  /* a named complex type: children of its parent element */
} adb_kind_t;

typedef enum adb_value_type
{
    ADB_TYPE_STRING,        /* axis2_char_t *, copied on set */
    ADB_TYPE_BOOLEAN,
    ADB_TYPE_INT8,          /* signed integers are held in adb_value_t.integer */
    ADB_TYPE_UINT8,         /* unsigned ones in adb_value_t.unsigned_integer */
    ADB_TYPE_INT16,
    ADB_TYPE_UINT16,
    ADB_TYPE_INT32,
    ADB_TYPE_UINT32,
    ADB_TYPE_INT64,
    ADB_TYPE_UINT64,
    ADB_TYPE_FLOAT,         /* both held in adb_value_t.real */
    ADB_TYPE_DOUBLE,
    ADB_TYPE_DATE_TIME,     /* objects: taken over on set, freed with the record */
    ADB_TYPE_URI,
    ADB_TYPE_QNAME,
    ADB_TYPE_BASE64_BINARY,
    ADB_TYPE_DURATION,
    ADB_TYPE_BINDING,       /* a record of another binding */
    ADB_TYPE_STRING_LIST,   /* an axutil_array_list_t of axis2_char_t *, one item element each */
    ADB_TYPE_NODE           /* an axiom_node_t, referenced, never freed */
} adb_value_type_t;

typedef union adb_value
{
    axis2_char_t *text;
    axis2_bool_t boolean;
    int64_t integer;
    uint64_t unsigned_integer;
    double real;
    void *object;
} adb_value_t;

struct adb_record;

typedef struct adb_property
{
    const axis2_char_t *name;        /* property and child element name */
    adb_value_type_t type;
    /* ADB_TYPE_BINDING: creates an empty record of the value's binding, to read it into */
    struct adb_record *(*create_binding)(const axutil_env_t *env);
    axis2_bool_t nillable;           /* an xsi:nil child element reads as unset */
} adb_property_t;

typedef struct adb_type
{
    const axis2_char_t *binding;     /* binding name, e.g. "_char" */
    const axis2_char_t *name;        /* element or type name, e.g. "char" */
    const axis2_char_t *namespace_uri;
    adb_kind_t kind;
    int property_count;
    const adb_property_t *properties;
    const axis2_char_t *source_file; /* the binding unit's __FILE__, for log entries */
} adb_type_t;

/* Every binding record starts with this. */
typedef struct adb_record
{
    const adb_type_t *type;
    axutil_qname_t *qname;
    adb_value_t values[ADB_MAX_PROPERTIES];
    axis2_bool_t is_valid[ADB_MAX_PROPERTIES];
} adb_record_t;

/* Allocates a record of `type` with every property unset; NULL with AXIS2_ERROR_NO_MEMORY. */
adb_record_t *adb_record_create(const axutil_env_t *env, const adb_type_t *type);

/* Resets every property, frees the QName and the record. */
axis2_status_t adb_record_free(adb_record_t *record, const axutil_env_t *env);

/* Detaches the first property's value (the caller owns it now) and frees the record. */
adb_value_t adb_record_free_popping_value(adb_record_t *record, const axutil_env_t *env);

adb_value_t adb_record_get(adb_record_t *record, const axutil_env_t *env, int index);

/* Sets property `index`: texts are copied, objects taken over, nodes referenced. Setting the
 * value already held succeeds without change; a NULL text or object leaves the property
 * unset, except in a simple type, which cannot be nil and fails. */
axis2_status_t adb_record_set(adb_record_t *record, const axutil_env_t *env, int index, adb_value_t value);

/* adb_record_set for each member of adb_value_t. */
axis2_status_t adb_record_set_text(adb_record_t *record, const axutil_env_t *env, int index,
                                   const axis2_char_t *text);
axis2_status_t adb_record_set_boolean(adb_record_t *record, const axutil_env_t *env, int index, axis2_bool_t value);
axis2_status_t adb_record_set_integer(adb_record_t *record, const axutil_env_t *env, int index, int64_t value);
axis2_status_t adb_record_set_unsigned(adb_record_t *record, const axutil_env_t *env, int index, uint64_t value);
axis2_status_t adb_record_set_real(adb_record_t *record, const axutil_env_t *env, int index, double value);
axis2_status_t adb_record_set_object(adb_record_t *record, const axutil_env_t *env, int index, void *object);

axis2_status_t adb_record_reset(adb_record_t *record, const axutil_env_t *env, int index);

/* AXIS2_TRUE when the property is not set, and for a NULL record (with the null-parameter error). */
axis2_bool_t adb_record_is_nil(adb_record_t *record, const axutil_env_t *env, int index);

/* Items of a string list property. Texts are copied in and owned by the record; a NULL item
 * is a nil entry, which is not written out. */
axis2_char_t *adb_record_get_at(adb_record_t *record, const axutil_env_t *env, int index, int i);
axis2_status_t adb_record_set_at(adb_record_t *record, const axutil_env_t *env, int index, int i,
                                 const axis2_char_t *text);
/* Appends a copy of `text`; a NULL text is ignored. */
axis2_status_t adb_record_add(adb_record_t *record, const axutil_env_t *env, int index, const axis2_char_t *text);
/* Number of items, nil ones included; 0 without a list. */
int adb_record_sizeof(adb_record_t *record, const axutil_env_t *env, int index);
/* Takes item `i` out of the list, so later items move up by one. */
axis2_status_t adb_record_remove_at(adb_record_t *record, const axutil_env_t *env, int index, int i);
axis2_bool_t adb_record_is_nil_at(adb_record_t *record, const axutil_env_t *env, int index, int i);
axis2_status_t adb_record_set_nil_at(adb_record_t *record, const axutil_env_t *env, int index, int i);

/* Serializes the record. A message or element becomes the root of a new tree (the arguments
 * are then unused); a simple or complex type writes into the data source node `parent` of
 * the element being written, `parent_element`, whose start tag still lacks its ">" unless
 * `parent_tag_closed`, declaring namespaces it needs there and recording them in
 * `namespaces`. */
axiom_node_t *adb_record_serialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t *parent,
                                   axiom_element_t *parent_element, int parent_tag_closed,
                                   axutil_hash_t *namespaces, int *next_ns_index);

/* Declares on `parent_element` the namespaces the record's values refer to (QName values). */
void adb_record_declare_parent_namespaces(adb_record_t *record, const axutil_env_t *env,
                                          axiom_element_t *parent_element, axutil_hash_t *namespaces,
                                          int *next_ns_index);

/* Reads the record from `*dp_parent`: a message or element from that node or the first element
 * after it; a simple or complex type from the content of that element. */
axis2_status_t adb_record_deserialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

/* A simple type's text form (a new string), and its value from such a text. */
axis2_char_t *adb_record_serialize_to_string(adb_record_t *record, const axutil_env_t *env,
                                             axutil_hash_t *namespaces);
axis2_status_t adb_record_deserialize_from_string(adb_record_t *record, const axutil_env_t *env,
                                                  const axis2_char_t *node_value, axiom_node_t *parent);

#ifdef __cplusplus
}
#endif

#endif /* ADB_RUNTIME_H */
