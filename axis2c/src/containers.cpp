// Hash table, array list and in-memory stream.
#include "internal.h"

#include <axutil_array_list.h>
#include <axutil_hash.h>
#include <axutil_stream.h>

#include <algorithm>
#include <cstring>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

using axis2c::Guard;
using axis2c::Present;

namespace
{

struct HashEntry
{
    const void* key;
    axis2_ssize_t length;
    void* value;
};

std::string KeyBytes(const void* key, axis2_ssize_t klen)
{
    const char* bytes = static_cast<const char*>(key);
    return klen == AXIS2_HASH_KEY_STRING ? std::string(bytes) : std::string(bytes, klen);
}

} // namespace

struct axutil_hash_index_t
{
    axutil_hash_t* table;
    // Keys captured when the iteration started, so that entries may be
    // removed while iterating without invalidating the walk.
    std::vector<std::string> keys;
    size_t position = 0;
};

struct axutil_hash_t
{
    std::unordered_map<std::string, HashEntry> entries;
    std::list<axutil_hash_index_t> indexes;
};

extern "C"
{
axutil_hash_t* axutil_hash_make(const axutil_env_t* env)
{
    return Guard<axutil_hash_t*>(env, nullptr, [] { return new axutil_hash_t(); });
}

void axutil_hash_set(axutil_hash_t* ht, const void* key, axis2_ssize_t klen, const void* val)
{
    if (!ht || !key)
        return;
    axis2c::GuardVoid(nullptr, [&] {
        std::string bytes = KeyBytes(key, klen);
        if (!val)
        {
            ht->entries.erase(bytes);
            return;
        }
        auto found = ht->entries.find(bytes);
        if (found != ht->entries.end())
        {
            found->second.value = const_cast<void*>(val);
            return;
        }
        axis2_ssize_t length = static_cast<axis2_ssize_t>(bytes.size());
        ht->entries.emplace(std::move(bytes), HashEntry{key, length, const_cast<void*>(val)});
    });
}

void* axutil_hash_get(axutil_hash_t* ht, const void* key, axis2_ssize_t klen)
{
    if (!ht || !key)
        return nullptr;
    return Guard<void*>(nullptr, nullptr, [&]() -> void* {
        auto found = ht->entries.find(KeyBytes(key, klen));
        return found == ht->entries.end() ? nullptr : found->second.value;
    });
}

axis2_bool_t axutil_hash_contains_key(axutil_hash_t* ht, const axutil_env_t*, const axis2_char_t* key)
{
    return axutil_hash_get(ht, key, AXIS2_HASH_KEY_STRING) ? AXIS2_TRUE : AXIS2_FALSE;
}

unsigned int axutil_hash_count(axutil_hash_t* ht)
{
    return ht ? static_cast<unsigned int>(ht->entries.size()) : 0;
}

axutil_hash_t* axutil_hash_copy(const axutil_hash_t* ht, const axutil_env_t* env)
{
    if (!Present(env, ht))
        return nullptr;
    return Guard<axutil_hash_t*>(env, nullptr, [&] {
        auto* copy = new axutil_hash_t();
        copy->entries = ht->entries;
        return copy;
    });
}

void axutil_hash_free(axutil_hash_t* ht, const axutil_env_t*)
{
    delete ht;
}

axutil_hash_index_t* axutil_hash_first(axutil_hash_t* ht, const axutil_env_t* env)
{
    if (!ht || ht->entries.empty())
        return nullptr;
    return Guard<axutil_hash_index_t*>(env, nullptr, [&] {
        ht->indexes.emplace_back();
        axutil_hash_index_t& index = ht->indexes.back();
        index.table = ht;
        index.keys.reserve(ht->entries.size());
        for (const auto& entry : ht->entries)
            index.keys.push_back(entry.first);
        return &index;
    });
}

axutil_hash_index_t* axutil_hash_next(const axutil_env_t*, axutil_hash_index_t* hi)
{
    if (!hi)
        return nullptr;
    axutil_hash_t* table = hi->table;
    while (++hi->position < hi->keys.size())
        if (table->entries.count(hi->keys[hi->position]))
            return hi;
    table->indexes.remove_if([hi](const axutil_hash_index_t& index) { return &index == hi; });
    return nullptr;
}

void axutil_hash_this(axutil_hash_index_t* hi, const void** key, axis2_ssize_t* klen, void** val)
{
    const HashEntry* entry = nullptr;
    if (hi && hi->position < hi->keys.size())
    {
        auto found = hi->table->entries.find(hi->keys[hi->position]);
        if (found != hi->table->entries.end())
            entry = &found->second;
    }
    if (key)
        *key = entry ? entry->key : nullptr;
    if (klen)
        *klen = entry ? entry->length : 0;
    if (val)
        *val = entry ? entry->value : nullptr;
}

} // extern "C"

struct axutil_array_list
{
    std::vector<void*> items;
};

namespace
{

bool InRange(const axutil_env_t* env, const axutil_array_list* list, int index, bool inclusive)
{
    size_t limit = list->items.size() + (inclusive ? 1 : 0);
    if (index >= 0 && static_cast<size_t>(index) < limit)
        return true;
    axis2c::SetError(env, AXIS2_ERROR_INDEX_OUT_OF_BOUNDS);
    return false;
}

} // namespace

extern "C"
{
axutil_array_list_t* axutil_array_list_create(const axutil_env_t* env, int capacity)
{
    return Guard<axutil_array_list_t*>(env, nullptr, [&] {
        auto* list = new axutil_array_list();
        list->items.reserve(capacity > 0 ? static_cast<size_t>(capacity) : 0);
        return list;
    });
}

void axutil_array_list_free(axutil_array_list_t* array_list, const axutil_env_t*)
{
    delete array_list;
}

void axutil_array_list_free_void_arg(void* array_list, const axutil_env_t* env)
{
    axutil_array_list_free(static_cast<axutil_array_list_t*>(array_list), env);
}

axis2_status_t axutil_array_list_ensure_capacity(axutil_array_list_t* array_list, const axutil_env_t* env,
                                                 int min_capacity)
{
    if (!Present(env, array_list))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        if (min_capacity > 0)
            array_list->items.reserve(static_cast<size_t>(min_capacity));
        return AXIS2_SUCCESS;
    });
}

int axutil_array_list_size(axutil_array_list_t* array_list, const axutil_env_t*)
{
    return array_list ? static_cast<int>(array_list->items.size()) : 0;
}

axis2_bool_t axutil_array_list_is_empty(axutil_array_list_t* array_list, const axutil_env_t*)
{
    return !array_list || array_list->items.empty() ? AXIS2_TRUE : AXIS2_FALSE;
}

int axutil_array_list_index_of(axutil_array_list_t* array_list, const axutil_env_t*, void* e)
{
    if (!array_list)
        return -1;
    auto found = std::find(array_list->items.begin(), array_list->items.end(), e);
    return found == array_list->items.end() ? -1 : static_cast<int>(found - array_list->items.begin());
}

axis2_bool_t axutil_array_list_contains(axutil_array_list_t* array_list, const axutil_env_t* env, void* e)
{
    return axutil_array_list_index_of(array_list, env, e) >= 0 ? AXIS2_TRUE : AXIS2_FALSE;
}

void* axutil_array_list_get(axutil_array_list_t* array_list, const axutil_env_t* env, int index)
{
    if (!Present(env, array_list) || !InRange(env, array_list, index, false))
        return nullptr;
    return array_list->items[static_cast<size_t>(index)];
}

void* axutil_array_list_set(axutil_array_list_t* array_list, const axutil_env_t* env, int index, void* e)
{
    if (!Present(env, array_list) || !InRange(env, array_list, index, false))
        return nullptr;
    void* previous = array_list->items[static_cast<size_t>(index)];
    array_list->items[static_cast<size_t>(index)] = e;
    return previous;
}

axis2_status_t axutil_array_list_add(axutil_array_list_t* array_list, const axutil_env_t* env, const void* e)
{
    if (!Present(env, array_list))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        array_list->items.push_back(const_cast<void*>(e));
        return AXIS2_SUCCESS;
    });
}

axis2_status_t axutil_array_list_add_at(axutil_array_list_t* array_list, const axutil_env_t* env, const int index,
                                        const void* e)
{
    if (!Present(env, array_list) || !InRange(env, array_list, index, true))
        return AXIS2_FAILURE;
    return Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        array_list->items.insert(array_list->items.begin() + index, const_cast<void*>(e));
        return AXIS2_SUCCESS;
    });
}

void* axutil_array_list_remove(axutil_array_list_t* array_list, const axutil_env_t* env, int index)
{
    if (!Present(env, array_list) || !InRange(env, array_list, index, false))
        return nullptr;
    void* removed = array_list->items[static_cast<size_t>(index)];
    array_list->items.erase(array_list->items.begin() + index);
    return removed;
}

} // extern "C"

struct axutil_stream
{
    std::string data;
    size_t readPosition = 0;
};

extern "C"
{
axutil_stream_t* axutil_stream_create_basic(const axutil_env_t* env)
{
    return Guard<axutil_stream_t*>(env, nullptr, [] { return new axutil_stream(); });
}

void axutil_stream_free(axutil_stream_t* stream, const axutil_env_t*)
{
    delete stream;
}

int axutil_stream_write(axutil_stream_t* stream, const axutil_env_t* env, const void* buffer, size_t count)
{
    if (!Present(env, stream) || (count && !Present(env, buffer)))
        return -1;
    return Guard<int>(env, -1, [&] {
        stream->data.append(static_cast<const char*>(buffer), count);
        return static_cast<int>(count);
    });
}

int axutil_stream_read(axutil_stream_t* stream, const axutil_env_t* env, void* buffer, size_t count)
{
    if (!Present(env, stream) || (count && !Present(env, buffer)))
        return -1;
    size_t available = stream->data.size() - stream->readPosition;
    size_t taken = std::min(available, count);
    std::memcpy(buffer, stream->data.data() + stream->readPosition, taken);
    stream->readPosition += taken;
    if (stream->readPosition == stream->data.size())
    {
        stream->data.clear();
        stream->readPosition = 0;
    }
    return static_cast<int>(taken);
}

int axutil_stream_get_len(axutil_stream_t* stream, const axutil_env_t*)
{
    return stream ? static_cast<int>(stream->data.size() - stream->readPosition) : 0;
}

axis2_char_t* axutil_stream_get_buffer(const axutil_stream_t* stream, const axutil_env_t*)
{
    return stream ? const_cast<char*>(stream->data.c_str()) + stream->readPosition : nullptr;
}

} // extern "C"
