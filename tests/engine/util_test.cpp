// Strings, quoting, qnames, hash tables, array lists, streams and numbers.
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace
{

class Util : public ::testing::Test
{
protected:
    std::string Take(axis2_char_t* text)
    {
        std::string result = text ? text : "(null)";
        AXIS2_FREE(holder.env->allocator, text);
        return result;
    }
    EnvHolder holder;
    const axutil_env_t* env = holder.env;
};

TEST_F(Util, QuoteStringEscapesMarkupAndSignalsNothingToDo)
{
    EXPECT_EQ(nullptr, axutil_xml_quote_string(env, "plain text 'ok'", AXIS2_TRUE));
    EXPECT_EQ(nullptr, axutil_xml_quote_string(env, "say \"hi\"", AXIS2_FALSE));
    EXPECT_EQ("a &lt;b&gt; &amp;amp; &quot;c&quot;",
              Take(axutil_xml_quote_string(env, "a <b> &amp; \"c\"", AXIS2_TRUE)));
    EXPECT_EQ("&lt;x a=\"1\"/&gt;", Take(axutil_xml_quote_string(env, "<x a=\"1\"/>", AXIS2_FALSE)));
}

TEST_F(Util, StringHelpersToleranceOfNull)
{
    EXPECT_EQ(0, axutil_strcmp(nullptr, nullptr));
    EXPECT_LT(axutil_strcmp(nullptr, ""), 0);
    EXPECT_GT(axutil_strcmp("", nullptr), 0);
    EXPECT_EQ(0, axutil_strcasecmp("TRUE", "true"));
    EXPECT_EQ(0u, axutil_strlen(nullptr));
    EXPECT_EQ(nullptr, axutil_strdup(env, nullptr));
    EXPECT_EQ("abc", Take(static_cast<char*>(axutil_strndup(env, "abcdef", 3))));
    EXPECT_EQ("ab", Take(static_cast<char*>(axutil_strndup(env, "ab", 10))));
    EXPECT_EQ("ab", Take(axutil_stracat(env, "a", "b")));
    EXPECT_EQ("x", Take(axutil_stracat(env, nullptr, "x")));
    EXPECT_EQ("a-b-c", Take(axutil_strcat(env, "a", "-b", "-c", NULL)));
    EXPECT_EQ("mid", Take(axutil_strtrim(env, " \tmid\r\n", nullptr)));
}

TEST_F(Util, StringObjectsAreReferenceCounted)
{
    axis2_char_t* owned = static_cast<axis2_char_t*>(axutil_strdup(env, "action"));
    axutil_string_t* string = axutil_string_create_assume_ownership(env, &owned);
    EXPECT_EQ(nullptr, owned);
    axutil_string_t* copy = axutil_string_clone(string, env);
    EXPECT_EQ(string, copy);
    axutil_string_free(string, env);
    EXPECT_STREQ("action", axutil_string_get_buffer(copy, env));
    EXPECT_EQ(6u, axutil_string_get_length(copy, env));
    axutil_string_free(copy, env);
    EXPECT_EQ(nullptr, axutil_string_create(env, nullptr));
    EXPECT_EQ(AXIS2_ERROR_INVALID_NULL_PARAM, holder.Number());
}

TEST_F(Util, QNamesCompareUriAndLocalPartOnly)
{
    axutil_qname_t* a = axutil_qname_create(env, "GetWorkItemResponse", "http://x/Ostrel", "n");
    axutil_qname_t* b = axutil_qname_create(env, "GetWorkItemResponse", "http://x/Ostrel", nullptr);
    axutil_qname_t* other = axutil_qname_create(env, "GetWorkItemResponse", "http://y/Ostrel", "n");
    axutil_qname_t* none = axutil_qname_create(env, "Service", nullptr, nullptr);
    axutil_qname_t* empty = axutil_qname_create(env, "Service", "", nullptr);
    EXPECT_TRUE(axutil_qname_equals(a, env, b));
    EXPECT_FALSE(axutil_qname_equals(a, env, other));
    EXPECT_TRUE(axutil_qname_equals(none, env, empty));
    EXPECT_STREQ("GetWorkItemResponse|http://x/Ostrel", axutil_qname_to_string(a, env));
    EXPECT_STREQ("Service", axutil_qname_to_string(none, env));
    EXPECT_STREQ("n", axutil_qname_get_prefix(a, env));
    EXPECT_EQ(nullptr, axutil_qname_get_prefix(b, env));
    EXPECT_STREQ("", axutil_qname_get_uri(none, env));

    axutil_qname_t* clone = axutil_qname_clone(a, env);
    axutil_qname_free(a, env);
    EXPECT_STREQ("n", axutil_qname_get_prefix(clone, env));
    axutil_qname_t* parsed = axutil_qname_create_from_string(env, axutil_qname_to_string(clone, env));
    EXPECT_TRUE(axutil_qname_equals(parsed, env, clone));
    for (axutil_qname_t* q : {b, other, none, empty, clone, parsed})
        axutil_qname_free(q, env);
    EXPECT_EQ(nullptr, axutil_qname_create(env, nullptr, "u", nullptr));
}

TEST_F(Util, HashKeepsCallerPointersAndSurvivesRemovalWhileIterating)
{
    axutil_hash_t* table = axutil_hash_make(env);
    std::string keys[] = {"alpha", "beta", "gamma", "delta"};
    int values[] = {1, 2, 3, 4};
    for (int i = 0; i < 4; ++i)
        axutil_hash_set(table, keys[i].c_str(), AXIS2_HASH_KEY_STRING, &values[i]);
    // Lookup is by content, not by pointer.
    EXPECT_EQ(&values[1], axutil_hash_get(table, std::string("beta").c_str(), AXIS2_HASH_KEY_STRING));
    EXPECT_EQ(&values[1], axutil_hash_get(table, "beta-ish", 4));
    axutil_hash_set(table, "beta", AXIS2_HASH_KEY_STRING, &values[3]);
    EXPECT_EQ(4u, axutil_hash_count(table));

    std::set<std::string> seen;
    for (axutil_hash_index_t* hi = axutil_hash_first(table, env); hi; hi = axutil_hash_next(env, hi))
    {
        const void* key = nullptr;
        axis2_ssize_t length = 0;
        void* value = nullptr;
        axutil_hash_this(hi, &key, &length, &value);
        seen.insert(std::string(static_cast<const char*>(key), length));
        EXPECT_NE(nullptr, value);
        axutil_hash_set(table, key, length, nullptr); // remove while iterating
    }
    EXPECT_EQ(4u, seen.size());
    EXPECT_EQ(0u, axutil_hash_count(table));
    EXPECT_EQ(nullptr, axutil_hash_first(table, env));
    axutil_hash_set(table, "left", AXIS2_HASH_KEY_STRING, &values[0]);
    axutil_hash_first(table, env); // abandoned iteration: released with the table
    axutil_hash_free(table, env);
}

TEST_F(Util, ArrayListBoundsAndOrder)
{
    axutil_array_list_t* list = axutil_array_list_create(env, 0);
    int a = 1, b = 2, c = 3;
    EXPECT_TRUE(axutil_array_list_is_empty(list, env));
    axutil_array_list_add(list, env, &a);
    axutil_array_list_add(list, env, &c);
    EXPECT_EQ(AXIS2_SUCCESS, axutil_array_list_add_at(list, env, 1, &b));
    EXPECT_EQ(AXIS2_SUCCESS, axutil_array_list_add_at(list, env, 3, &a));
    EXPECT_EQ(AXIS2_FAILURE, axutil_array_list_add_at(list, env, 5, &a));
    EXPECT_EQ(4, axutil_array_list_size(list, env));
    EXPECT_EQ(&b, axutil_array_list_get(list, env, 1));
    EXPECT_EQ(&b, axutil_array_list_set(list, env, 1, &c));
    EXPECT_EQ(&c, axutil_array_list_remove(list, env, 1));
    EXPECT_EQ(&c, axutil_array_list_get(list, env, 1));
    EXPECT_EQ(nullptr, axutil_array_list_get(list, env, 3));
    EXPECT_EQ(AXIS2_ERROR_INDEX_OUT_OF_BOUNDS, holder.Number());
    EXPECT_EQ(nullptr, axutil_array_list_get(list, env, -1));
    EXPECT_EQ(nullptr, axutil_array_list_remove(list, env, 3));
    EXPECT_TRUE(axutil_array_list_contains(list, env, &a));
    EXPECT_EQ(1, axutil_array_list_index_of(list, env, &c));
    EXPECT_EQ(-1, axutil_array_list_index_of(list, env, &b));
    axutil_array_list_free(list, env);
}

TEST_F(Util, StreamReadsWhatWasWritten)
{
    axutil_stream_t* stream = axutil_stream_create_basic(env);
    EXPECT_EQ(5, axutil_stream_write(stream, env, "hello", 5));
    EXPECT_EQ(6, axutil_stream_write(stream, env, " world", 6));
    char buffer[8] = {};
    EXPECT_EQ(6, axutil_stream_read(stream, env, buffer, 6));
    EXPECT_STREQ("hello ", buffer);
    EXPECT_STREQ("world", axutil_stream_get_buffer(stream, env));
    EXPECT_EQ(5, axutil_stream_get_len(stream, env));
    EXPECT_EQ(5, axutil_stream_read(stream, env, buffer, sizeof buffer));
    EXPECT_EQ(0, axutil_stream_read(stream, env, buffer, sizeof buffer));
    axutil_stream_free(stream, env);
}

TEST(Numbers, DecimalTextToIntegers)
{
    EXPECT_EQ(INT64_C(-9223372036854775807) - 1, axutil_atol("-9223372036854775808"));
    EXPECT_EQ(12, AXIS2_ATOI("12abc"));
    EXPECT_EQ(0, axutil_atoi(nullptr));
    EXPECT_EQ(0, axutil_atol(nullptr));
}

} // namespace
