// The services the Axis2/C-style client programs talk to (samples.wsdl): echo over
// SOAP 1.1 (/axis2/services/echo) and SOAP 1.2 (/axis2/services/echo12), and math
// (/axis2/services/math). echoString with the text "fault" and a division by zero answer
// with a SOAP fault in the version of the request.
'use strict';

const http = require('http');

function fault(soap12, code, reason, detail) {
  if (soap12) {
    return { Fault: { Code: { Value: 'soap:' + code }, Reason: { Text: reason }, statusCode: 500 } };
  }
  const f = { faultcode: 'soap:' + (code === 'Sender' ? 'Client' : 'Server'), faultstring: reason, statusCode: 500 };
  if (detail !== undefined) f.detail = detail;
  return { Fault: f };
}

function echoOperations(soap12) {
  return {
    echoString(args) {
      if (args.text === 'fault') throw fault(soap12, 'Sender', 'echo refuses the word fault', 'asked to fail');
      return { text: args.text };
    },
    ping() { return {}; },
  };
}

function number(value) {
  return typeof value === 'number' ? value : parseFloat(value);
}

const mathOperations = {
  add(args) { return { result: number(args.param1) + number(args.param2) }; },
  div(args) {
    if (number(args.param2) === 0) throw fault(false, 'Sender', 'division by zero', 'param2 is 0');
    return { result: number(args.param1) / number(args.param2) };
  },
};

// Starts node-soap for each sample path; calls ready(handlers) once all WSDLs are parsed.
// A handler takes (req, res) with req.body already read.
function setUp(soap, wsdlXml, onError, ready) {
  const paths = {
    '/axis2/services/echo': { service: 'EchoService', port: 'EchoPort', ops: echoOperations(false), soap12: false },
    '/axis2/services/echo12': { service: 'Echo12Service', port: 'Echo12Port', ops: echoOperations(true), soap12: true },
    '/axis2/services/math': { service: 'MathService', port: 'MathPort', ops: mathOperations, soap12: false },
  };
  const handlers = {};
  let pending = Object.keys(paths).length;
  for (const [path, s] of Object.entries(paths)) {
    const host = http.createServer();
    soap.listen(host, {
      path,
      services: { [s.service]: { [s.port]: s.ops } },
      xml: wsdlXml,
      forceSoap12Headers: s.soap12,
      suppressStack: true,
      callback: (err) => {
        if (err) onError('cannot load the sample WSDL: ' + err.message);
        handlers[path] = (req, res) => host.emit('request', req, res);
        if (--pending === 0) ready(handlers);
      },
    });
  }
}

module.exports = { setUp };
