#include "IProxy.h"

IProxy::~IProxy() = default;

void IProxy::SetWorkItemResponsePath(Poco::Path)
{
}
