/*
 * SOAP-level definitions for client code: the version constants, the AXIOM
 * object model envelope contents are built from, and read access to a
 * received envelope, its body and its fault. Envelopes are built and parsed
 * by the service client.
 */
#ifndef AXIOM_SOAP_H
#define AXIOM_SOAP_H

#include <axiom.h>
#include <axiom_soap_body.h>
#include <axiom_soap_const.h>
#include <axiom_soap_envelope.h>
#include <axiom_soap_fault_code.h>
#include <axiom_soap_fault_detail.h>
#include <axiom_soap_fault.h>
#include <axiom_soap_fault_reason.h>
#include <axiom_soap_fault_sub_code.h>
#include <axiom_soap_fault_text.h>
#include <axiom_soap_fault_value.h>
#include <axiom_soap_header.h>

#endif /* AXIOM_SOAP_H */
