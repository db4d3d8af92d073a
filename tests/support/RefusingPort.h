// A port on 127.0.0.1 that refuses every connection for as long as the object lives: a socket is
// bound to it but never listens, so no other process can take the port in the meantime (as it
// could one that was only probed free and closed). Throws std::runtime_error when no socket can
// be bound.
#pragma once

class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    unsigned short Port() const;

private:
    int descriptor;
    unsigned short port;
};
