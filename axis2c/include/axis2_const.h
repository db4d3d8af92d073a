/*
 * Client engine constants: message exchange pattern URIs and the anonymous
 * service and operation names.
 */
#ifndef AXIS2_CONST_H
#define AXIS2_CONST_H

#include <axis2_defines.h>
#include <axutil_env.h>
#include <axutil_utils.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AXIS2_MEP_URI_IN_ONLY "http://www.w3.org/2004/08/wsdl/in-only"
#define AXIS2_MEP_URI_IN_OUT "http://www.w3.org/2004/08/wsdl/in-out"
#define AXIS2_MEP_URI_OUT_ONLY "http://www.w3.org/2004/08/wsdl/out-only"
#define AXIS2_MEP_URI_OUT_IN "http://www.w3.org/2004/08/wsdl/out-in"
#define AXIS2_MEP_URI_ROBUST_OUT_ONLY "http://www.w3.org/2004/08/wsdl/robust-out-only"

#define AXIS2_ANON_SERVICE "__ANONYMOUS_SERVICE__"
#define AXIS2_ANON_OUT_ONLY_OP "__OPERATION_OUT_ONLY__"
#define AXIS2_ANON_ROBUST_OUT_ONLY_OP "__OPERATION_ROBUST_OUT_ONLY__"
#define AXIS2_ANON_OUT_IN_OP "__OPERATION_OUT_IN__"

#define AXIS2_MODULE_ADDRESSING "addressing"

#ifdef __cplusplus
}
#endif

#endif /* AXIS2_CONST_H */
