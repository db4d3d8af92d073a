// Qualified names. The text form "localpart|uri" is kept inside the qname
// because callers (generated bindings) print it without freeing it.
#include "internal.h"

#include <axutil_qname.h>

#include <cstring>
#include <string>

struct axutil_qname
{
    std::string localpart;
    std::string uri;
    std::string prefix;
    bool hasPrefix = false;
    std::string text;
};

using axis2c::Guard;

extern "C"
{
axutil_qname_t* axutil_qname_create(const axutil_env_t* env, const axis2_char_t* localpart,
                                    const axis2_char_t* namespace_uri, const axis2_char_t* prefix)
{
    if (!axis2c::Present(env, localpart))
        return nullptr;
    return Guard<axutil_qname_t*>(env, nullptr, [&] {
        auto* qname = new axutil_qname();
        qname->localpart = localpart;
        qname->uri = namespace_uri ? namespace_uri : "";
        qname->hasPrefix = prefix != nullptr;
        qname->prefix = prefix ? prefix : "";
        return qname;
    });
}

axutil_qname_t* axutil_qname_create_from_string(const axutil_env_t* env, const axis2_char_t* string)
{
    if (!axis2c::Present(env, string))
        return nullptr;
    const char* bar = std::strchr(string, '|');
    if (!bar)
        return axutil_qname_create(env, string, nullptr, nullptr);
    return Guard<axutil_qname_t*>(env, nullptr, [&] {
        std::string localpart(string, bar);
        return axutil_qname_create(env, localpart.c_str(), bar + 1, nullptr);
    });
}

void axutil_qname_free(axutil_qname_t* qname, const axutil_env_t*)
{
    delete qname;
}

axis2_bool_t axutil_qname_equals(const axutil_qname_t* qname, const axutil_env_t* env, const axutil_qname_t* qname1)
{
    if (!axis2c::Present(env, qname) || !axis2c::Present(env, qname1))
        return AXIS2_FALSE;
    return qname->localpart == qname1->localpart && qname->uri == qname1->uri ? AXIS2_TRUE : AXIS2_FALSE;
}

axutil_qname_t* axutil_qname_clone(axutil_qname_t* qname, const axutil_env_t* env)
{
    if (!axis2c::Present(env, qname))
        return nullptr;
    return Guard<axutil_qname_t*>(env, nullptr, [&] { return new axutil_qname(*qname); });
}

axis2_char_t* axutil_qname_get_uri(const axutil_qname_t* qname, const axutil_env_t* env)
{
    if (!axis2c::Present(env, qname))
        return nullptr;
    return const_cast<axis2_char_t*>(qname->uri.c_str());
}

axis2_char_t* axutil_qname_get_prefix(const axutil_qname_t* qname, const axutil_env_t* env)
{
    if (!axis2c::Present(env, qname) || !qname->hasPrefix)
        return nullptr;
    return const_cast<axis2_char_t*>(qname->prefix.c_str());
}

axis2_char_t* axutil_qname_get_localpart(const axutil_qname_t* qname, const axutil_env_t* env)
{
    if (!axis2c::Present(env, qname))
        return nullptr;
    return const_cast<axis2_char_t*>(qname->localpart.c_str());
}

axis2_char_t* axutil_qname_to_string(axutil_qname_t* qname, const axutil_env_t* env)
{
    if (!axis2c::Present(env, qname))
        return nullptr;
    return Guard<axis2_char_t*>(env, nullptr, [&] {
        qname->text = qname->uri.empty() ? qname->localpart : qname->localpart + "|" + qname->uri;
        return const_cast<axis2_char_t*>(qname->text.c_str());
    });
}

} // extern "C"
