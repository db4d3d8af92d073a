// SoapServer runs tests/soap/server.js (node-soap serving wsdl/ProxyAgentService.wsdl)
// for one test: canned replies come from a scenario, every request is recorded.
// Start() throws std::runtime_error, which gtest reports as a failure of the test, when
// node or the `soap` module (npm ci --prefix tests/soap) is missing or the server never comes up.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Poco
{
class Pipe;
class ProcessHandle;
} // namespace Poco

class SoapServer
{
public:
    // One request as it reached /Ostrel2.
    struct Request
    {
        std::string operation;   // the operation node-soap dispatches to; empty if none matches
        std::string soapAction;  // raw SOAPAction header, quotes included; empty if absent
        std::string contentType; // raw Content-Type header; empty if absent
        std::string body;        // request body exactly as received
        std::string args;        // node-soap's parsed arguments as JSON text, "null" if unparsable
    };

    // scenarioJson: object keyed by operation name (format in server.js). With a
    // certificate and key (PEM files) the server speaks HTTPS.
    explicit SoapServer(const std::string& scenarioJson = "{}", const std::string& tlsCertPath = "",
                        const std::string& tlsKeyPath = "");
    ~SoapServer(); // kills the server and removes its files

    SoapServer(const SoapServer&) = delete;
    SoapServer& operator=(const SoapServer&) = delete;

    // Before Start(), for an HTTPS server: offer only `ciphers` (OpenSSL's list for TLS 1.2 and
    // older) and no protocol newer than `maxVersion` ("TLSv1.2"); empty leaves node's choice.
    void RestrictTls(const std::string& ciphers, const std::string& maxVersion);

    void Start();
    unsigned short Port() const
    {
        return port_;
    }
    std::string Uri() const; // http(s)://127.0.0.1:<port>/Ostrel2

    // Takes effect from the next request on; throws std::invalid_argument on bad JSON.
    void SetScenario(const std::string& scenarioJson);

    // Every request so far, oldest first. A request is recorded before it is answered.
    std::vector<Request> Requests() const;

    // The scenario that serves `itemXml` as the GetWorkItem result and answers WorkItemComplete
    // with `completion` (a scenario entry; "{}" is the normal empty reply).
    static std::string WorkItemScenario(const std::string& itemXml, const std::string& completion = "{}");
    // `text` as a JSON string literal.
    static std::string JsonString(const std::string& text);

private:
    void Stop() noexcept;

    std::string dir_;
    std::string scenarioPath_;
    std::string recordPath_;
    std::string tlsCert_;
    std::string tlsKey_;
    std::string tlsCiphers_;
    std::string tlsMaxVersion_;
    std::unique_ptr<Poco::Pipe> in_;
    std::unique_ptr<Poco::Pipe> out_;
    std::unique_ptr<Poco::ProcessHandle> process_;
    unsigned short port_ = 0;
};
