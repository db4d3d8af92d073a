/*
 * SOAP-level definitions for client code: the version constants and the
 * AXIOM object model the envelope contents are built from. Envelopes are
 * built and parsed by the service client.
 */
#ifndef AXIOM_SOAP_H
#define AXIOM_SOAP_H

#include <axiom.h>
#include <axiom_soap_const.h>

#endif /* AXIOM_SOAP_H */
