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
    ADB_KIND_SIMPLE_TYPE,  /* a named simple type: content of its parent element */
    ADB_KIND_COMPLEX_TYPE  /* a named complex type: children of its parent element */
} adb_kind_t;

typedef enum adb_value_type
{
    ADB_TYPE_STRING,        /* axis2_char_t *, copied on set */
    ADB_TYPE_BOOLEAN,
    ADB_TYPE_INT8,
    ADB_TYPE_UINT8,
    ADB_TYPE_INT16,
    ADB_TYPE_UINT16,
    ADB_TYPE_INT32,
    ADB_TYPE_UINT32,
    ADB_TYPE_INT64,
    ADB_TYPE_UINT64,
    ADB_TYPE_FLOAT,
    ADB_TYPE_DOUBLE,
    ADB_TYPE_DATE_TIME,     /* objects: taken over on set, freed with the record */
    ADB_TYPE_URI,
    ADB_TYPE_QNAME,
    ADB_TYPE_BASE64_BINARY,
    ADB_TYPE_DURATION,
    ADB_TYPE_BINDING,       /* a record of another binding */
    ADB_TYPE_STRING_LIST,   /* an axutil_array_list_t of axis2_char_t * */
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

struct adb_type;

typedef struct adb_property
{
    const axis2_char_t *name;        /* property and child element name */
    adb_value_type_t type;
    const struct adb_type *binding;  /* ADB_TYPE_BINDING: the value's binding */
    axis2_bool_t nillable;
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
 * value already held succeeds without change; a NULL text or object leaves an optional
 * property unset and fails for a non-nillable simple type. */
axis2_status_t adb_record_set(adb_record_t *record, const axutil_env_t *env, int index, adb_value_t value);

axis2_status_t adb_record_reset(adb_record_t *record, const axutil_env_t *env, int index);

/* AXIS2_TRUE when the property is not set, and for a NULL record (with the null-parameter error). */
axis2_bool_t adb_record_is_nil(adb_record_t *record, const axutil_env_t *env, int index);

axiom_node_t *adb_record_serialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t *parent,
                                   axiom_element_t *parent_element, int parent_tag_closed,
                                   axutil_hash_t *namespaces, int *next_ns_index);

axis2_status_t adb_record_deserialize(adb_record_t *record, const axutil_env_t *env, axiom_node_t **dp_parent,
                                      axis2_bool_t *dp_is_early_node_valid, axis2_bool_t dont_care_minoccurs);

#ifdef __cplusplus
}
#endif

#endif /* ADB_RUNTIME_H */
