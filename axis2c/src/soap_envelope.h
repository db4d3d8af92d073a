// Read-only view of a received SOAP envelope: the objects behind
// axiom_soap_envelope_t and its body, header and fault accessors, built once
// over the reply's tree. The view refers into the tree and does not own it;
// both belong to the service client and go together.
#pragma once

#include "axiom_internal.h"

#include <axiom_soap.h>
#include <axutil_array_list.h>

#include <memory>
#include <string>
#include <vector>

struct axiom_soap_fault_value
{
    axiom_node* node = nullptr;
    std::string text;
};

struct axiom_soap_fault_sub_code
{
    axiom_node* node = nullptr;
    axiom_soap_fault_value* value = nullptr;
    axiom_soap_fault_sub_code* subCode = nullptr;
};

struct axiom_soap_fault_code
{
    axiom_node* node = nullptr;
    axiom_soap_fault_value* value = nullptr;
    axiom_soap_fault_sub_code* subCode = nullptr;
};

struct axiom_soap_fault_text
{
    axiom_node* node = nullptr;
    std::string text;
    std::string lang; // empty: none
};

struct axiom_soap_fault_reason
{
    axiom_node* node = nullptr;
    std::vector<axiom_soap_fault_text*> texts;
    axutil_array_list_t* list = nullptr; // made on request, freed with the view
};

struct axiom_soap_fault_detail
{
    axiom_node* node = nullptr;
};

struct axiom_soap_fault
{
    axiom_node* node = nullptr;
    axiom_soap_fault_code* code = nullptr;
    axiom_soap_fault_reason* reason = nullptr;
    axiom_soap_fault_detail* detail = nullptr;
};

struct axiom_soap_header
{
    axiom_node* node = nullptr;
    int version = 0;
};

struct axiom_soap_body
{
    axiom_node* node = nullptr;
    int version = 0;
    axiom_soap_fault* fault = nullptr;
};

struct axiom_soap_envelope
{
    axiom_node* node = nullptr;
    int version = 0;
    axiom_soap_header* header = nullptr;
    axiom_soap_body* body = nullptr;
    std::vector<std::shared_ptr<void>> parts; // everything above, owned here
};

namespace axis2c
{

struct EnvelopeDeleter
{
    void operator()(axiom_soap_envelope* envelope) const;
};
using EnvelopeView = std::unique_ptr<axiom_soap_envelope, EnvelopeDeleter>;

// The view of `root`, or null when `root` is not a SOAP 1.1 or 1.2 Envelope.
// A Body is not required here; the caller decides what its absence means.
EnvelopeView ViewEnvelope(axiom_node* root);

// "code: reason" of a fault, for error texts.
std::string DescribeFault(const axiom_soap_fault* fault);

} // namespace axis2c
