// The service client: SOAP envelope around the payload, one HTTP(S)
// exchange, and the reply's envelope taken apart into payload or error.
#include "axiom_internal.h"
#include "client_config.h"
#include "client_home.h"
#include "client_model.h"
#include "http_transport.h"
#include "internal.h"

#include <axiom_soap_const.h>
#include <axis2_const.h>
#include <axis2_svc_client.h>

#include <Poco/String.h>

#include <memory>

using axis2c::Guard;
using axis2c::Present;

struct axis2_svc_client {
  axis2_svc_t* svc = nullptr;
  axis2_options_t* ownOptions = nullptr;
  const axis2_options_t* options = nullptr;
  axis2c::ClientConfiguration configuration;
  axiom_node* payload = nullptr;  // taken over from the last exchange
  axiom_node* reply = nullptr;    // envelope of the last reply
  bool lastFault = false;
  int lastStatus = 0;
};

namespace {

struct TreeDeleter {
  void operator()(axiom_node* node) const { axis2c::DeleteTree(node); }
};
using Tree = std::unique_ptr<axiom_node, TreeDeleter>;

axis2_op_t* MakeAnonymousOperation(const axutil_env_t* env) {
  axutil_qname_t* name = axutil_qname_create(env, AXIS2_ANON_OUT_IN_OP, nullptr, nullptr);
  if (!name) return nullptr;
  axis2_op_t* op = axis2_op_create_with_qname(env, name);
  axutil_qname_free(name, env);
  if (!op) return nullptr;
  axis2_op_set_msg_exchange_pattern(op, env, AXIS2_MEP_URI_OUT_IN);
  const char* const labels[][2] = {{AXIS2_MSG_OUT, "out"},
                                   {AXIS2_MSG_IN, "in"},
                                   {AXIS2_MSG_OUT_FAULT, "out"},
                                   {AXIS2_MSG_IN_FAULT, "in"}};
  for (const auto& label : labels) {
    axis2_msg_t* msg = axis2_msg_create(env);
    if (!msg) {
      axis2_op_free(op, env);
      return nullptr;
    }
    axis2_msg_set_name(msg, env, label[0]);
    axis2_msg_set_direction(msg, env, label[1]);
    if (axis2_op_add_msg(op, env, label[0], msg) != AXIS2_SUCCESS) {
      axis2_msg_free(msg, env);
      axis2_op_free(op, env);
      return nullptr;
    }
  }
  return op;
}

void ForgetLastExchange(axis2_svc_client* client, const axiom_node* nextPayload) {
  // A payload taken from the last reply must outlive that reply's tree.
  if (nextPayload && client->reply) {
    const axiom_node* top = nextPayload;
    while (top->parent) top = top->parent;
    if (top == client->reply) axis2c::Unlink(const_cast<axiom_node*>(nextPayload));
  }
  if (client->reply) axis2c::DeleteTree(client->reply);
  client->reply = nullptr;
  // A payload the caller hands in again must survive until it is sent.
  if (client->payload && client->payload != nextPayload && !client->payload->parent)
    axis2c::DeleteTree(client->payload);
  client->payload = nullptr;
  client->lastFault = false;
  client->lastStatus = 0;
}

axiom_node* ChildElement(axiom_node* parent, const char* localname, const std::string* uri) {
  for (axiom_node* child = parent ? parent->firstChild : nullptr; child; child = child->next) {
    axiom_element* element = axis2c::ElementOf(child);
    if (!element || (localname && element->localname != localname)) continue;
    const std::string elementUri = element->ns ? element->ns->uri : std::string();
    if (!uri || elementUri == *uri) return child;
  }
  return nullptr;
}

std::string TextOf(axiom_node* node) {
  std::string text;
  for (axiom_node* child = node ? node->firstChild : nullptr; child; child = child->next)
    if (child->type == AXIOM_TEXT) text += static_cast<axiom_text*>(child->data)->value;
  return Poco::trim(text);
}

std::string DescribeFault(axiom_node* fault) {
  std::string code = TextOf(ChildElement(fault, "faultcode", nullptr));
  std::string reason = TextOf(ChildElement(fault, "faultstring", nullptr));
  if (code.empty()) code = TextOf(ChildElement(ChildElement(fault, "Code", nullptr), "Value", nullptr));
  if (reason.empty())
    reason = TextOf(ChildElement(ChildElement(fault, "Reason", nullptr), "Text", nullptr));
  if (code.empty()) return reason.empty() ? "no fault string" : reason;
  return code + ": " + (reason.empty() ? "no fault string" : reason);
}

std::string Status(const axis2c::HttpReply& reply) {
  return "HTTP " + std::to_string(reply.status) + (reply.reason.empty() ? "" : " " + reply.reason);
}

axiom_node* Reject(const axutil_env_t* env, int number, const std::string& detail) {
  axis2c::SetError(env, number, detail);
  AXIS2C_LOG(env, AXIS2_LOG_LEVEL_ERROR, axis2c::MessageForNumber(number) + std::string(": ") + detail);
  return nullptr;
}

axiom_node* Interpret(const axutil_env_t* env, axis2_svc_client* client,
                      const axis2c::HttpReply& reply, const std::string& uri) {
  client->lastStatus = reply.status;
  const bool accepted = reply.status == 200 || reply.status == 202;
  // Anything but an envelope is a transport error for failure statuses and
  // a broken envelope for success statuses.
  auto notEnvelope = [&](const std::string& why) {
    if (accepted)
      return Reject(env, AXIS2_ERROR_SOAP_MESSAGE_DOES_NOT_CONTAIN_AN_ENVELOPE,
                    why + " (" + Status(reply) + "): " + uri);
    return Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
                  Status(reply) + ", " + why + ": " + uri);
  };

  if (Poco::trim(reply.body).empty()) {
    if (reply.status == 202) return nullptr;
    return notEnvelope("empty reply");
  }
  Tree tree;
  try {
    tree.reset(axis2c::ParseDocument(reply.body.data(), reply.body.size()));
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& error) {
    return notEnvelope(std::string("reply is not well-formed XML (") + error.what() + ")");
  }
  axiom_element* root = axis2c::ElementOf(tree.get());
  const std::string envelopeUri = root && root->ns ? root->ns->uri : std::string();
  if (!root || root->localname != AXIOM_SOAP_ENVELOPE_LOCAL_NAME ||
      (envelopeUri != AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI &&
       envelopeUri != AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI))
    return notEnvelope("reply is not a SOAP envelope (root element '" +
                       (root ? root->localname : std::string()) + "')");
  axiom_node* body = ChildElement(tree.get(), AXIOM_SOAP_BODY_LOCAL_NAME, &envelopeUri);
  if (!body) return notEnvelope("SOAP envelope without a Body");
  axiom_node* first = ChildElement(body, nullptr, nullptr);
  axiom_element* firstElement = axis2c::ElementOf(first);
  if (firstElement && firstElement->localname == AXIOM_SOAP_FAULT_LOCAL_NAME && firstElement->ns &&
      firstElement->ns->uri == envelopeUri) {
    client->lastFault = true;
    return Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR,
                  "SOAP fault (" + Status(reply) + ") " + DescribeFault(first) + ": " + uri);
  }
  if (!accepted) return Reject(env, AXIS2_ERROR_HTTP_CLIENT_TRANSPORT_ERROR, Status(reply) + ": " + uri);
  client->reply = tree.release();
  return first;
}

std::string SchemeOf(const std::string& uri) {
  size_t colon = uri.find(':');
  return colon == std::string::npos ? std::string() : Poco::toLower(uri.substr(0, colon));
}

}  // namespace

extern "C" {

axis2_svc_client_t* axis2_svc_client_create(const axutil_env_t* env,
                                            const axis2_char_t* client_home) {
  return Guard<axis2_svc_client_t*>(env, nullptr, [&]() -> axis2_svc_client_t* {
    auto client = std::make_unique<axis2_svc_client>();
    try {
      client->configuration = axis2c::ClientConfiguration::Load(client_home ? client_home : "");
    } catch (const axis2c::ConfigurationMissing& error) {
      Reject(env, AXIS2_ERROR_CONFIG_NOT_FOUND, error.what());
      return nullptr;
    } catch (const axis2c::ConfigurationError& error) {
      Reject(env, AXIS2_ERROR_INVALID_STATE_CONF, error.what());
      return nullptr;
    }
    axutil_qname_t* name = axutil_qname_create(env, AXIS2_ANON_SERVICE, nullptr, nullptr);
    client->svc = name ? axis2_svc_create_with_qname(env, name) : nullptr;
    axutil_qname_free(name, env);
    client->ownOptions = axis2_options_create(env);
    axis2_op_t* op = client->svc && client->ownOptions ? MakeAnonymousOperation(env) : nullptr;
    if (!op || axis2_svc_add_op(client->svc, env, op) != AXIS2_SUCCESS) {
      axis2_op_free(op, env);
      axis2_svc_free(client->svc, env);
      axis2_options_free(client->ownOptions, env);
      return nullptr;
    }
    client->options = client->ownOptions;
    if (client_home)
      AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG, std::string("client home ") + client_home);
    return client.release();
  });
}

void axis2_svc_client_free(axis2_svc_client_t* svc_client, const axutil_env_t* env) {
  if (!svc_client) return;
  ForgetLastExchange(svc_client, nullptr);
  axis2_svc_free(svc_client->svc, env);
  axis2_options_free(svc_client->ownOptions, env);
  delete svc_client;
}

axis2_svc_t* axis2_svc_client_get_svc(const axis2_svc_client_t* svc_client,
                                      const axutil_env_t* env) {
  if (!Present(env, svc_client)) return nullptr;
  return svc_client->svc;
}

const axis2_options_t* axis2_svc_client_get_options(const axis2_svc_client_t* svc_client,
                                                    const axutil_env_t* env) {
  if (!Present(env, svc_client)) return nullptr;
  return svc_client->options;
}

axis2_status_t axis2_svc_client_set_options(axis2_svc_client_t* svc_client,
                                            const axutil_env_t* env,
                                            const axis2_options_t* options) {
  if (!Present(env, svc_client)) return AXIS2_FAILURE;
  svc_client->options = options ? options : svc_client->ownOptions;
  return AXIS2_SUCCESS;
}

axiom_node_t* axis2_svc_client_send_receive_with_op_qname(axis2_svc_client_t* svc_client,
                                                          const axutil_env_t* env,
                                                          const axutil_qname_t* op_qname,
                                                          const axiom_node_t* payload) {
  if (!Present(env, svc_client)) return nullptr;
  return Guard<axiom_node_t*>(env, nullptr, [&]() -> axiom_node_t* {
    ForgetLastExchange(svc_client, payload);
    auto* body = const_cast<axiom_node*>(payload);
    if (body && !body->parent) svc_client->payload = body;

    const axis2_options_t* options = svc_client->options;
    if (!options->to || options->to->address.empty())
      return Reject(env, AXIS2_ERROR_INVALID_ADDRESS, "no endpoint address in the options");
    if (op_qname && !axis2_svc_get_op_with_qname(svc_client->svc, env, op_qname))
      AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG,
                 "operation not described on the service; sending anyway");

    axis2c::HttpPost post;
    post.uri = options->to->address;
    const bool soap12 = options->soapVersion == AXIOM_SOAP12;
    const std::string action =
        options->soapAction ? axutil_string_get_buffer(options->soapAction, env) : "";
    if (soap12) {
      post.contentType = "application/soap+xml; charset=utf-8";
      if (!action.empty()) post.contentType += "; action=\"" + action + "\"";
      post.sendSoapAction = false;
    } else {
      post.contentType = "text/xml; charset=utf-8";
      post.soapAction = action;
    }
    post.body = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
                            "xmlns:soapenv=\"") +
                (soap12 ? AXIOM_SOAP12_SOAP_ENVELOPE_NAMESPACE_URI
                        : AXIOM_SOAP11_SOAP_ENVELOPE_NAMESPACE_URI) +
                "\"><soapenv:Body>" + (body ? axis2c::SerializeTree(body) : std::string()) +
                "</soapenv:Body></soapenv:Envelope>";
    post.settings = svc_client->configuration.ForScheme(SchemeOf(post.uri));
    if (options->timeoutMs > 0) post.settings.soTimeoutMs = options->timeoutMs;

    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG,
               "sending " + std::to_string(post.body.size()) + " bytes to " + post.uri +
                   " (SOAPAction \"" + action + "\")");
    axis2c::HttpReply reply;
    try {
      reply = axis2c::PostOnce(post);
    } catch (const axis2c::TransportFailure& failure) {
      return Reject(env, failure.number, failure.what());
    }
    AXIS2C_LOG(env, AXIS2_LOG_LEVEL_DEBUG,
               "received " + Status(reply) + " with " + std::to_string(reply.body.size()) +
                   " bytes from " + post.uri);
    return Interpret(env, svc_client, reply, post.uri);
  });
}

axiom_node_t* axis2_svc_client_send_receive(axis2_svc_client_t* svc_client,
                                            const axutil_env_t* env,
                                            const axiom_node_t* payload) {
  return axis2_svc_client_send_receive_with_op_qname(svc_client, env, nullptr, payload);
}

axis2_bool_t axis2_svc_client_get_last_response_has_fault(const axis2_svc_client_t* svc_client,
                                                          const axutil_env_t* env) {
  if (!Present(env, svc_client)) return AXIS2_FALSE;
  return svc_client->lastFault ? AXIS2_TRUE : AXIS2_FALSE;
}

int axis2_svc_client_get_http_status_code(axis2_svc_client_t* svc_client,
                                          const axutil_env_t* env) {
  if (!Present(env, svc_client)) return 0;
  return svc_client->lastStatus;
}

}  // extern "C"
