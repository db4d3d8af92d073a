// URI references (RFC 3986): a strict splitter that rejects characters a URI
// cannot hold, broken percent escapes and impossible ports, so that bindings
// can tell an anyURI from arbitrary text.
#include "internal.h"

#include <axutil_uri.h>

#include <cctype>
#include <cstring>
#include <string>

struct axutil_uri
{
    std::string scheme, user, password, host, port, path, query, fragment;
    bool hasScheme = false, hasAuthority = false, hasUser = false, hasPassword = false;
    bool hostIsLiteral = false, hasQuery = false, hasFragment = false;
};

namespace
{

bool IsHex(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Characters allowed anywhere in a URI reference, escapes checked separately.
// Bytes above 0x7F pass so that IRIs written in UTF-8 are accepted.
bool AllowedCharacters(const std::string& text)
{
    static const char* const kAllowed = "-._~:/?#[]@!$&'()*+,;=%";
    for (size_t i = 0; i < text.size(); ++i)
    {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 || std::isalnum(c))
            continue;
        if (!std::strchr(kAllowed, c))
            return false;
        if (c == '%' && (i + 2 >= text.size() || !IsHex(text[i + 1]) || !IsHex(text[i + 2])))
            return false;
    }
    return true;
}

bool ValidScheme(const std::string& scheme)
{
    if (scheme.empty() || !std::isalpha(static_cast<unsigned char>(scheme[0])))
        return false;
    for (char c : scheme)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

bool ParseAuthority(const std::string& authority, axutil_uri* uri)
{
    std::string hostPort = authority;
    size_t at = authority.rfind('@');
    if (at != std::string::npos)
    {
        std::string userInfo = authority.substr(0, at);
        hostPort = authority.substr(at + 1);
        if (userInfo.find_first_of("[]@") != std::string::npos)
            return false;
        size_t colon = userInfo.find(':');
        uri->hasUser = true;
        uri->user = userInfo.substr(0, colon);
        if (colon != std::string::npos)
        {
            uri->hasPassword = true;
            uri->password = userInfo.substr(colon + 1);
        }
    }
    size_t portStart;
    if (!hostPort.empty() && hostPort[0] == '[')
    {
        size_t close = hostPort.find(']');
        if (close == std::string::npos)
            return false;
        uri->host = hostPort.substr(1, close - 1);
        uri->hostIsLiteral = true;
        if (uri->host.empty() || uri->host.find_first_of("[]") != std::string::npos)
            return false;
        portStart = close + 1;
        if (portStart < hostPort.size() && hostPort[portStart] != ':')
            return false;
    }
    else
    {
        portStart = hostPort.find(':');
        uri->host = hostPort.substr(0, portStart);
        if (uri->host.find_first_of("[]") != std::string::npos)
            return false;
    }
    if (portStart < hostPort.size())
    {
        uri->port = hostPort.substr(portStart + 1);
        if (uri->port.size() > 5)
            return false;
        for (char c : uri->port)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        if (!uri->port.empty() && std::stol(uri->port) > 65535)
            return false;
    }
    return true;
}

bool Parse(const std::string& text, axutil_uri* uri)
{
    if (!AllowedCharacters(text))
        return false;
    std::string rest = text;
    size_t hash = rest.find('#');
    if (hash != std::string::npos)
    {
        uri->hasFragment = true;
        uri->fragment = rest.substr(hash + 1);
        rest.erase(hash);
        if (uri->fragment.find('#') != std::string::npos)
            return false;
    }
    size_t question = rest.find('?');
    if (question != std::string::npos)
    {
        uri->hasQuery = true;
        uri->query = rest.substr(question + 1);
        rest.erase(question);
    }
    size_t colon = rest.find(':');
    size_t slash = rest.find('/');
    if (colon != std::string::npos && (slash == std::string::npos || colon < slash))
    {
        uri->scheme = rest.substr(0, colon);
        // A colon in the first segment of a relative reference is not allowed.
        if (!ValidScheme(uri->scheme))
            return false;
        uri->hasScheme = true;
        rest.erase(0, colon + 1);
    }
    if (rest.compare(0, 2, "//") == 0)
    {
        size_t end = rest.find('/', 2);
        uri->hasAuthority = true;
        if (!ParseAuthority(rest.substr(2, end == std::string::npos ? std::string::npos : end - 2), uri))
            return false;
        rest = end == std::string::npos ? std::string() : rest.substr(end);
    }
    if (rest.find_first_of("[]") != std::string::npos)
        return false;
    uri->path = rest;
    return true;
}

const char* Optional(const std::string& value, bool present)
{
    return present ? value.c_str() : nullptr;
}

} // namespace

extern "C"
{
axutil_uri_t* axutil_uri_create(const axutil_env_t* env)
{
    return axis2c::Guard<axutil_uri_t*>(env, nullptr, [] { return new axutil_uri(); });
}

axutil_uri_t* axutil_uri_parse_string(const axutil_env_t* env, const axis2_char_t* uri)
{
    if (!axis2c::Present(env, uri))
        return nullptr;
    return axis2c::Guard<axutil_uri_t*>(env, nullptr, [&]() -> axutil_uri_t* {
        auto* parsed = new axutil_uri();
        bool ok = false;
        try
        {
            ok = Parse(uri, parsed);
        }
        catch (...)
        {
            delete parsed;
            throw;
        }
        if (ok)
            return parsed;
        delete parsed;
        axis2c::SetError(env, AXIS2_ERROR_INVALID_URL_FORMAT, std::string("'") + uri + "'");
        return nullptr;
    });
}

void axutil_uri_free(axutil_uri_t* uri, const axutil_env_t*)
{
    delete uri;
}

axutil_uri_t* axutil_uri_clone(const axutil_uri_t* uri, const axutil_env_t* env)
{
    if (!axis2c::Present(env, uri))
        return nullptr;
    return axis2c::Guard<axutil_uri_t*>(env, nullptr, [&] { return new axutil_uri(*uri); });
}

axis2_char_t* axutil_uri_to_string(const axutil_uri_t* uri, const axutil_env_t* env, unsigned flags)
{
    if (!axis2c::Present(env, uri))
        return nullptr;
    return axis2c::Guard<axis2_char_t*>(env, nullptr, [&] {
        std::string text;
        if (!(flags & AXIS2_URI_UNP_OMITSITEPART))
        {
            if (uri->hasScheme)
                text += uri->scheme + ":";
            if (uri->hasAuthority)
            {
                text += "//";
                std::string userInfo;
                if (uri->hasUser && !(flags & AXIS2_URI_UNP_OMITUSER))
                    userInfo += uri->user;
                if (uri->hasPassword && !(flags & AXIS2_URI_UNP_OMITPASSWORD))
                    userInfo +=
                        ":" + ((flags & AXIS2_URI_UNP_REVEALPASSWORD) ? uri->password : std::string("XXXXXXXX"));
                if (!userInfo.empty())
                    text += userInfo + "@";
                text += uri->hostIsLiteral ? "[" + uri->host + "]" : uri->host;
                if (!uri->port.empty())
                    text += ":" + uri->port;
            }
        }
        if (!(flags & AXIS2_URI_UNP_OMITPATHINFO))
        {
            text += uri->path;
            if (uri->hasQuery && !(flags & AXIS2_URI_UNP_OMITQUERY_ONLY))
                text += "?" + uri->query;
            if (uri->hasFragment && !(flags & AXIS2_URI_UNP_OMITFRAGMENT_ONLY))
                text += "#" + uri->fragment;
        }
        return axis2c::CopyToAllocator(env, text);
    });
}

axis2_char_t* axutil_uri_get_protocol(axutil_uri_t* uri, const axutil_env_t*)
{
    return uri ? const_cast<char*>(Optional(uri->scheme, uri->hasScheme)) : nullptr;
}

axis2_char_t* axutil_uri_get_host(axutil_uri_t* uri, const axutil_env_t*)
{
    return uri ? const_cast<char*>(Optional(uri->host, uri->hasAuthority)) : nullptr;
}

axis2_char_t* axutil_uri_get_path(axutil_uri_t* uri, const axutil_env_t*)
{
    return uri ? const_cast<char*>(Optional(uri->path, !uri->path.empty())) : nullptr;
}

axis2_char_t* axutil_uri_get_query(axutil_uri_t* uri, const axutil_env_t*)
{
    return uri ? const_cast<char*>(Optional(uri->query, uri->hasQuery)) : nullptr;
}

axis2_char_t* axutil_uri_get_fragment(axutil_uri_t* uri, const axutil_env_t*)
{
    return uri ? const_cast<char*>(Optional(uri->fragment, uri->hasFragment)) : nullptr;
}

axis2_port_t axutil_uri_get_port(axutil_uri_t* uri, const axutil_env_t*)
{
    if (!uri)
        return 0;
    if (!uri->port.empty())
        return static_cast<axis2_port_t>(std::stoi(uri->port));
    if (uri->scheme == "http")
        return 80;
    if (uri->scheme == "https")
        return 443;
    return 0;
}

} // extern "C"
