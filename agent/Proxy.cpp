#include "Proxy.h"
#include <stdexcept>
Proxy::Proxy(const std::string& clientHome, const std::string& endpointUri, const std::string& axisLogFile)
    : clientHome(clientHome), endpointUri(endpointUri), axisLogFile(axisLogFile), axisLogLevel(6), env(nullptr), stub(nullptr) {}
Proxy::~Proxy() = default;
WorkItem* Proxy::GetWorkItem(const std::string&) { return nullptr; }
void Proxy::Initialize() { throw std::runtime_error("network mode pending"); }
void Proxy::SendWorkItemComplete(const WorkItemResponse&) {}
void Proxy::SanitizeWorkItem(std::string&) {}
