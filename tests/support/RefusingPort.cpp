#include "RefusingPort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

RefusingPort::RefusingPort()
    : descriptor(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    , port(0)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    {
        if (descriptor >= 0)
            ::close(descriptor);
        throw std::runtime_error("cannot bind a socket on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
}

RefusingPort::~RefusingPort()
{
    ::close(descriptor);
}

unsigned short RefusingPort::Port() const
{
    return port;
}
