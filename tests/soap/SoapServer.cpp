#include "SoapServer.h"

#include <Poco/File.h>
#include <Poco/JSON/Object.h>
#include <Poco/JSON/ParseHandler.h>
#include <Poco/JSON/Parser.h>
#include <Poco/JSON/Stringifier.h>
#include <Poco/Path.h>
#include <Poco/Pipe.h>
#include <Poco/Process.h>
#include <Poco/TemporaryFile.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{

const std::string kSourceDir = TARVEL_SOURCE_DIR;
const std::string kNode = TARVEL_NODE_EXECUTABLE;
const std::string kServerDir = kSourceDir + "/tests/soap";
const std::string kWsdl = kSourceDir + "/wsdl/ProxyAgentService.wsdl";
constexpr std::chrono::seconds kStartTimeout{10};

void CheckJson(const std::string& json)
{
    try
    {
        Poco::JSON::Parser().parse(json);
    }
    catch (const Poco::Exception& e)
    {
        throw std::invalid_argument("SoapServer: scenario is not valid JSON: " + e.displayText());
    }
}

void WriteFile(const std::string& path, const std::string& text)
{
    // Written aside and renamed, so the server never reads half a scenario.
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f << text;
        if (!f.flush())
            throw std::runtime_error("SoapServer: cannot write " + tmp);
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0)
        throw std::runtime_error("SoapServer: cannot rename " + tmp);
}

bool Exists(const std::string& path)
{
    try
    {
        return Poco::File(path).exists();
    }
    catch (const Poco::Exception&)
    {
        return false;
    }
}

void SetCloseOnExec(int fd)
{
    // Children that the code under test forks must not keep the server's stdin open,
    // or the server would outlive a crashed test.
    const int flags = ::fcntl(fd, F_GETFD);
    if (flags >= 0)
        ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

std::string StringField(const Poco::JSON::Object& o, const std::string& key)
{
    if (!o.has(key) || o.isNull(key))
        return {};
    return o.getValue<std::string>(key);
}

} // namespace

SoapServer::SoapServer(const std::string& scenarioJson, const std::string& tlsCertPath, const std::string& tlsKeyPath)
    : tlsCert_(tlsCertPath)
    , tlsKey_(tlsKeyPath)
{
    if (tlsCert_.empty() != tlsKey_.empty())
        throw std::invalid_argument("SoapServer: TLS needs both a certificate and a key");
    const std::string json = scenarioJson.empty() ? "{}" : scenarioJson;
    CheckJson(json);
    dir_ = Poco::TemporaryFile::tempName();
    Poco::File(dir_).createDirectories();
    scenarioPath_ = dir_ + "/scenario.json";
    recordPath_ = dir_ + "/requests.jsonl";
    WriteFile(scenarioPath_, json);
}

SoapServer::~SoapServer()
{
    Stop();
    try
    {
        Poco::File(dir_).remove(true);
    }
    catch (...)
    {
    }
}

void SoapServer::Stop() noexcept
{
    try
    {
        if (process_)
        {
            Poco::Process::kill(*process_);
            process_->wait();
        }
    }
    catch (...)
    {
    }
    process_.reset();
    in_.reset();
    out_.reset();
}

void SoapServer::RestrictTls(const std::string& ciphers, const std::string& maxVersion)
{
    tlsCiphers_ = ciphers;
    tlsMaxVersion_ = maxVersion;
}

void SoapServer::Start()
{
    if (process_)
        throw std::logic_error("SoapServer: already started");
    if (kNode.empty() || !Exists(kNode))
        throw std::runtime_error("SoapServer: node (Node.js) was not found when CMake ran (got '" + kNode +
                                 "'); install it and re-run cmake");
    if (!Exists(kServerDir + "/node_modules/soap/package.json"))
        throw std::runtime_error("SoapServer: the node module 'soap' is missing; run: npm ci --prefix " + kServerDir);

    Poco::Process::Args args{
        kServerDir + "/server.js", "--wsdl", kWsdl, "--record", recordPath_, "--scenario", scenarioPath_};
    if (!tlsCert_.empty())
    {
        args.insert(args.end(), {"--tls", tlsCert_, tlsKey_});
        if (!tlsCiphers_.empty())
            args.insert(args.end(), {"--tls-ciphers", tlsCiphers_});
        if (!tlsMaxVersion_.empty())
            args.insert(args.end(), {"--tls-max-version", tlsMaxVersion_});
    }
    in_ = std::make_unique<Poco::Pipe>();
    out_ = std::make_unique<Poco::Pipe>();
    // stderr stays the test's own, so whatever node complains about lands in the test log.
    process_ =
        std::make_unique<Poco::ProcessHandle>(Poco::Process::launch(kNode, args, in_.get(), out_.get(), nullptr));
    SetCloseOnExec(in_->writeHandle());
    SetCloseOnExec(out_->readHandle());

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::string line;
    std::string failure;
    while (failure.empty())
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
        {
            failure = "no 'listening <port>' line from server.js within 10 s";
            break;
        }
        pollfd p{out_->readHandle(), POLLIN, 0};
        const int n = ::poll(&p, 1, static_cast<int>(left.count()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            continue; // deadline is checked at the top
        char c;
        const ssize_t got = ::read(out_->readHandle(), &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
        {
            const int code = process_->wait();
            process_.reset();
            failure = "server.js exited (code " + std::to_string(code) +
                      ") before listening; its complaint is on stderr above";
            break;
        }
        if (c == '\n')
            break;
        line += c;
    }
    if (failure.empty())
    {
        int port = 0;
        if (std::sscanf(line.c_str(), "listening %d", &port) == 1 && port > 0 && port < 65536)
        {
            port_ = static_cast<unsigned short>(port);
            return;
        }
        failure = "unexpected first line from server.js: '" + line + "'";
    }
    Stop();
    throw std::runtime_error("SoapServer: " + failure + " (node " + kNode + ", " + kServerDir + "/server.js)");
}

std::string SoapServer::Uri() const
{
    return std::string(tlsCert_.empty() ? "http" : "https") + "://127.0.0.1:" + std::to_string(port_) + "/Ostrel2";
}

void SoapServer::SetScenario(const std::string& scenarioJson)
{
    const std::string json = scenarioJson.empty() ? "{}" : scenarioJson;
    CheckJson(json);
    WriteFile(scenarioPath_, json);
}

std::vector<SoapServer::Request> SoapServer::Requests() const
{
    std::vector<Request> requests;
    std::ifstream f(recordPath_, std::ios::binary);
    std::string line;
    while (std::getline(f, line))
    {
        if (line.empty())
            continue;
        try
        {
            Poco::JSON::Parser parser(new Poco::JSON::ParseHandler(true));
            const auto obj = parser.parse(line).extract<Poco::JSON::Object::Ptr>();
            Request r;
            r.operation = StringField(*obj, "operation");
            r.soapAction = StringField(*obj, "soapAction");
            r.contentType = StringField(*obj, "contentType");
            r.body = StringField(*obj, "body");
            std::ostringstream args;
            Poco::JSON::Stringifier::condense(obj->get("args"), args);
            r.args = args.str();
            requests.push_back(std::move(r));
        }
        catch (const Poco::Exception& e)
        {
            ADD_FAILURE() << "SoapServer: unreadable record line (" << e.displayText() << "): " << line;
        }
    }
    return requests;
}

std::string SoapServer::WorkItemScenario(const std::string& itemXml, const std::string& completion)
{
    return "{\"GetWorkItem\": {\"result\": " + JsonString(itemXml) + "}, \"WorkItemComplete\": " + completion + "}";
}

std::string SoapServer::JsonString(const std::string& text)
{
    std::string json = "\"";
    json.reserve(text.size() + 16);
    for (char c : text)
    {
        switch (c)
        {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\t': json += "\\t"; break;
        default: json += c;
        }
    }
    return json + "\"";
}
