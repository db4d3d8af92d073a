// The client home's axis2.xml: transport and TLS parameters for exchanges.
// A parameter inside <transportSender name="X"> applies to scheme X and
// overrides the same parameter given elsewhere in the file.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

namespace axis2c {

struct TransportSettings {
  long soTimeoutMs = 60000;
  long connectionTimeoutMs = 60000;
  std::string serverCert;
  std::string keyFile;
  std::string passphrase;
};

// What is wrong with a configuration file, naming the file.
class ConfigurationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ClientConfiguration {
 public:
  // Defaults when `clientHome` is empty or a directory without axis2.xml.
  // Throws ConfigurationMissing (client_home.h) when it names a file that does
  // not exist, ConfigurationError for a file that is unreadable or malformed.
  static ClientConfiguration Load(const std::string& clientHome);

  TransportSettings ForScheme(const std::string& scheme) const;

 private:
  using Parameters = std::map<std::string, std::string>;
  Parameters general;
  std::map<std::string, Parameters> byTransport;
};

}  // namespace axis2c
