// The engine's reply reader: any bytes give a tree or NULL with a parse error; the tree written
// out again reads again; and the GetWorkItemResponse binding reads the tree (from its root, and
// from the payload of a SOAP body as the service client hands it over) without a fault, its
// result a copy that outlives the tree.
#include "FuzzCheck.h"

#include "AXIS/adb_GetWorkItemResponse.h"
#include <axiom.h>
#include <axutil_env.h>
#include <axutil_error.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace
{
/// The first element child of `node`, or NULL.
axiom_node_t* FirstElement(axiom_node_t* node, const axutil_env_t* env)
{
    return node ? axiom_node_get_first_element(node, env) : nullptr;
}

adb_GetWorkItemResponse_t* Deserialize(axiom_node_t* node, const axutil_env_t* env)
{
    adb_GetWorkItemResponse_t* response = adb_GetWorkItemResponse_create(env);
    FUZZ_REQUIRE(response != nullptr);
    adb_GetWorkItemResponse_deserialize(response, env, &node, nullptr, AXIS2_FALSE);
    return response;
}

/// Reads the result after the tree is gone: a result still pointing into it is a use after free.
void Release(adb_GetWorkItemResponse_t* response, const axutil_env_t* env)
{
    if (!response)
        return;
    const axis2_char_t* result = adb_GetWorkItemResponse_get_GetWorkItemResult(response, env);
    if (result)
    {
        volatile std::size_t length = std::strlen(result);
        (void)length;
    }
    adb_GetWorkItemResponse_free(response, env);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static axutil_env_t* env = axutil_env_create_all(nullptr, AXIS2_LOG_LEVEL_CRITICAL);
    FUZZ_REQUIRE(env != nullptr);
    // The reader takes a C string, as the transport hands it over.
    std::string buffer(reinterpret_cast<const char*>(data), size);
    axiom_node_t* root = axiom_node_create_from_buffer(env, &buffer[0]);
    if (!root)
    {
        FUZZ_REQUIRE(env->error->error_number != AXIS2_ERROR_NONE);
        AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
        return 0;
    }
    adb_GetWorkItemResponse_t* fromRoot = Deserialize(root, env);
    // Envelope / Body / payload, the way the reply handling descends.
    axiom_node_t* payload = FirstElement(FirstElement(root, env), env);
    adb_GetWorkItemResponse_t* fromPayload = payload ? Deserialize(payload, env) : nullptr;

    // What the engine writes of a tree it read must read again.
    axis2_char_t* text = axiom_node_to_string(root, env);
    FUZZ_REQUIRE(text != nullptr);
    axiom_node_t* again = axiom_node_create_from_buffer(env, text);
    FUZZ_REQUIRE(again != nullptr);
    axiom_node_free_tree(again, env);
    AXIS2_FREE(env->allocator, text);
    axiom_node_free_tree(root, env);
    Release(fromRoot, env);
    Release(fromPayload, env);
    AXIS2_ERROR_SET(env->error, AXIS2_ERROR_NONE, AXIS2_SUCCESS);
    return 0;
}
