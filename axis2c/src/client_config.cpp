// Reading axis2.xml. Only the parameters this engine honours are looked at;
// the rest of an Axis2/C configuration file is accepted and ignored.
#include "client_config.h"

#include "client_home.h"

#include "XmlDocument.h"

#include <axis2_http_transport.h>

#include <Poco/AutoPtr.h>
#include <Poco/DOM/Document.h>
#include <Poco/DOM/Element.h>
#include <Poco/DOM/NodeList.h>
#include <Poco/Exception.h>
#include <Poco/File.h>
#include <Poco/Path.h>
#include <Poco/SAX/SAXException.h>
#include <Poco/String.h>

#include <cctype>
#include <fstream>
#include <sstream>

namespace axis2c
{

namespace
{

const char* const kTimeouts[] = {AXIS2_HTTP_SO_TIMEOUT, AXIS2_HTTP_CONNECTION_TIMEOUT};

// Milliseconds as a positive decimal number of at most nine digits.
bool ParseTimeout(const std::string& text, long* value)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    *value = std::stol(text);
    return *value > 0;
}

// Bytes as a positive decimal number of at most twelve digits.
bool ParseSize(const std::string& text, size_t* value)
{
    if (text.empty() || text.size() > 12)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    *value = static_cast<size_t>(std::stoull(text));
    return *value > 0;
}

const char* const kProtocols[] = {"TLSv1", "TLSv1.1", "TLSv1.2", "TLSv1.3"};

bool KnownProtocol(const std::string& name)
{
    for (const char* protocol : kProtocols)
        if (name == protocol)
            return true;
    return false;
}

const Poco::XML::Element* TransportSenderOf(const Poco::XML::Element* parameter)
{
    for (Poco::XML::Node* node = parameter->parentNode(); node; node = node->parentNode())
        if (node->nodeType() == Poco::XML::Node::ELEMENT_NODE && node->localName() == "transportSender")
            return static_cast<const Poco::XML::Element*>(node);
    return nullptr;
}

bool InsideReceiver(const Poco::XML::Element* parameter)
{
    for (Poco::XML::Node* node = parameter->parentNode(); node; node = node->parentNode())
        if (node->nodeType() == Poco::XML::Node::ELEMENT_NODE && node->localName() == "transportReceiver")
            return true;
    return false;
}

} // namespace

ClientConfiguration ClientConfiguration::Load(const std::string& clientHome)
{
    ClientConfiguration configuration;
    const ConfigurationSource source = LocateConfiguration(clientHome);
    const std::string& path = source.path;
    if (path.empty())
        return configuration;
    Poco::File file(path);
    if (!file.exists())
    {
        if (source.required)
            throw ConfigurationMissing(path + ": no such file");
        return configuration;
    }

    std::ifstream input(path, std::ios::binary);
    if (!input)
        throw ConfigurationError(path + ": cannot be read");
    std::ostringstream content;
    content << input.rdbuf();

    Poco::AutoPtr<Poco::XML::Document> document;
    try
    {
        document = XmlDocument::Parse(content.str(), path, XmlDocument::KeepWhitespace);
    }
    catch (const Poco::XML::SAXParseException& error)
    {
        throw ConfigurationError(path + ": not well-formed XML: " + error.message() + " (line " +
                                 std::to_string(error.getLineNumber()) + ")");
    }
    catch (const Poco::XML::XMLException& error)
    {
        // Refused before parsing (a document type declaration, nesting beyond the bound).
        throw ConfigurationError(error.message());
    }
    catch (const Poco::Exception& error)
    {
        throw ConfigurationError(path + ": not well-formed XML: " + error.displayText());
    }

    const Poco::XML::Element* root = document->documentElement();
    if (!root || root->localName() != "axisconfig")
        throw ConfigurationError(path + ": root element is '" + (root ? root->nodeName() : "") +
                                 "', expected 'axisconfig'");

    Poco::AutoPtr<Poco::XML::NodeList> parameters = root->getElementsByTagName("parameter");
    for (unsigned long i = 0; i < parameters->length(); ++i)
    {
        auto* parameter = static_cast<const Poco::XML::Element*>(parameters->item(i));
        const std::string name = parameter->getAttribute("name");
        if (name.empty() || InsideReceiver(parameter))
            continue;
        const std::string value = Poco::trim(parameter->innerText());
        for (const char* timeout : kTimeouts)
        {
            long parsed;
            if (name == timeout && !ParseTimeout(value, &parsed))
                throw ConfigurationError(path + ": parameter " + name +
                                         " must be a positive number of milliseconds, not '" + value + "'");
        }
        size_t size;
        if (name == kMaxReplySize && !ParseSize(value, &size))
            throw ConfigurationError(path + ": parameter " + name + " must be a positive number of bytes, not '" +
                                     value + "'");
        if (name == kSslMinProtocol && !KnownProtocol(value))
            throw ConfigurationError(path + ": parameter " + name +
                                     " must be TLSv1, TLSv1.1, TLSv1.2 or TLSv1.3, not '" + value + "'");
        if (name == kSslCipherList && value.empty())
            throw ConfigurationError(path + ": parameter " + name + " is empty");
        const Poco::XML::Element* sender = TransportSenderOf(parameter);
        Parameters& target =
            sender ? configuration.byTransport[Poco::toLower(sender->getAttribute("name"))] : configuration.general;
        target[name] = value;
    }
    configuration.ReadTlsFiles();
    return configuration;
}

void ClientConfiguration::ReadTlsFiles()
{
    auto readFrom = [this](const Parameters& parameters) {
        for (const char* name : {AXIS2_SSL_SERVER_CERT, AXIS2_SSL_KEY_FILE})
        {
            auto found = parameters.find(name);
            if (found != parameters.end() && !found->second.empty() && !tlsFiles.count(found->second))
                tlsFiles[found->second] = TlsFile::Read(found->second);
        }
    };
    readFrom(general);
    for (const auto& transport : byTransport)
        readFrom(transport.second);
}

TransportSettings ClientConfiguration::ForScheme(const std::string& scheme) const
{
    Parameters merged = general;
    auto specific = byTransport.find(Poco::toLower(scheme));
    if (specific != byTransport.end())
        for (const auto& entry : specific->second)
            merged[entry.first] = entry.second;

    TransportSettings settings;
    auto value = [&](const char* name) -> const std::string* {
        auto found = merged.find(name);
        return found == merged.end() ? nullptr : &found->second;
    };
    if (const std::string* text = value(AXIS2_HTTP_SO_TIMEOUT))
        ParseTimeout(*text, &settings.soTimeoutMs);
    if (const std::string* text = value(AXIS2_HTTP_CONNECTION_TIMEOUT))
        ParseTimeout(*text, &settings.connectionTimeoutMs);
    auto tlsFile = [this](const std::string& path) {
        auto found = tlsFiles.find(path);
        return found == tlsFiles.end() ? nullptr : found->second;
    };
    if (const std::string* text = value(AXIS2_SSL_SERVER_CERT))
    {
        settings.serverCert = *text;
        settings.serverCertContents = tlsFile(*text);
    }
    if (const std::string* text = value(AXIS2_SSL_KEY_FILE))
    {
        settings.keyFile = *text;
        settings.keyFileContents = tlsFile(*text);
    }
    if (const std::string* text = value(AXIS2_SSL_PASSPHRASE))
        settings.passphrase = *text;
    if (const std::string* text = value(kMaxReplySize))
        ParseSize(*text, &settings.maxReplyBytes);
    if (const std::string* text = value(kSslCipherList))
        settings.cipherList = *text;
    if (const std::string* text = value(kSslMinProtocol))
        settings.minProtocol = *text;
    return settings;
}

} // namespace axis2c
