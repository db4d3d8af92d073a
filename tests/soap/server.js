#!/usr/bin/env node
// Test server for the agent's SOAP client: an independent SOAP stack (node-soap)
// serving the project's own WSDL, so the client is checked against someone else's
// idea of SOAP 1.1 rather than against itself.
//
//   node server.js --wsdl <path> --record <file.jsonl> [--scenario <file.json>]
//                  [--tls <cert.pem> <key.pem> [--tls-ciphers <list>] [--tls-max-version <v>]]
//
// Prints "listening <port>" once ready and exits when stdin ends, so a test that
// dies never leaves a server behind (by hand: `tail -f /dev/null | node server.js ...`).
// The scenario file is re-read on every request, so a test may change it between
// requests. It is a JSON object keyed by operation name, each value one of
//   {"result": "<text>"}      normal reply (an array of strings for GetHostsManagedByAgent;
//                             ignored by the operations whose response is empty)
//   {"nil": true}             result element with xsi:nil="true"
//   {"empty": true}           result element present and empty
//   {"missing": true}         response element without a child
//   {"raw": "<body>", "status": 200, "contentType": "..."}   exactly these bytes
//   {"fault": {"code": "soap:Server", "string": "...", "detail": "..."}}  SOAP 1.1 Fault, HTTP 500
//   {"httpStatus": 500, "body": "...", "contentType": "..."} plain HTTP error
//   {"hang": true}            never answer, keep the socket open
//   {"closeMidReply": true}   headers with a large Content-Length, part of a body, then reset
//   {"garbage": true}         200 with a body that is not XML
//   {"slowBytesPerSecond": N, "result": "..."}   the normal reply, trickled
//   {"bigResultBytes": N}     normal reply whose result is N bytes of filler
//   {"bigResultBytes": N, "chunked": true}   the same without a Content-Length (chunked), so
//                             the client learns its size only by reading; sending stops early
//                             when the client goes away, and N bounds a reply meant as endless
//
// Beside ProxyAgentService it serves the sample services of samples.wsdl under
// /axis2/services/ (sample_services.js) for the Axis2/C-style client programs; their
// requests are recorded too, with the first Body element as the operation.
'use strict';

const fs = require('fs');
const http = require('http');
const https = require('https');
const path = require('path');
const samples = require('./sample_services');

let soap;
try {
  soap = require('soap');
} catch (e) {
  process.stderr.write(
    'server.js: cannot load the node module "soap" (' + e.message + ')\n' +
    'server.js: install it with: npm ci --prefix ' + __dirname + '\n');
  process.exit(3);
}

const SERVICE_PATH = '/Ostrel2';
const XSI_NS = 'http://www.w3.org/2001/XMLSchema-instance';
const ARRAYS_NS = 'http://schemas.microsoft.com/2003/10/Serialization/Arrays';

// Operations with a result child; all others answer with an empty response element.
const RESULT_ELEMENT = {
  GetWorkItem: 'GetWorkItemResult',
  GetHostStatus: 'GetHostStatusResult',
  GetHostsManagedByAgent: 'GetHostsManagedByAgentResult',
};

// Byte i of a big result is FILLER_ALPHABET[i % 64], so a client that drops or
// repeats bytes at a buffer boundary is caught by checking a few offsets.
const FILLER_ALPHABET = '0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_';
const FILLER_CHUNK = Buffer.from(FILLER_ALPHABET.repeat(1024)); // 64 KiB
// Stands in for the big result while node-soap builds the envelope around it.
const BIG_PLACEHOLDER = 'BIG-RESULT-PLACEHOLDER-7f3c';

function parseArgs(argv) {
  const opts = {};
  for (let i = 2; i < argv.length; i++) {
    const a = argv[i];
    if (a === '--wsdl') opts.wsdl = argv[++i];
    else if (a === '--record') opts.record = argv[++i];
    else if (a === '--scenario') opts.scenario = argv[++i];
    else if (a === '--tls') { opts.cert = argv[++i]; opts.key = argv[++i]; }
    else if (a === '--tls-ciphers') opts.ciphers = argv[++i]; // OpenSSL list, for TLS 1.2 and older
    else if (a === '--tls-max-version') opts.maxVersion = argv[++i]; // e.g. TLSv1.2
    else fail('unknown argument ' + a);
  }
  if (!opts.wsdl || !opts.record) fail('usage: server.js --wsdl <path> --record <file.jsonl> [--scenario <file.json>] [--tls <cert> <key>]');
  if (opts.cert !== undefined && (!opts.cert || !opts.key)) fail('--tls needs <cert.pem> <key.pem>');
  return opts;
}

function fail(msg) {
  process.stderr.write('server.js: ' + msg + '\n');
  process.exit(2);
}

const opts = parseArgs(process.argv);
const wsdlXml = fs.readFileSync(opts.wsdl, 'utf8');

function loadScenario() {
  if (!opts.scenario) return {};
  let text;
  try {
    text = fs.readFileSync(opts.scenario, 'utf8');
  } catch (e) {
    if (e.code === 'ENOENT') return {};
    throw e;
  }
  return text.trim() === '' ? {} : JSON.parse(text);
}

// node-soap answers from whatever the service function returns; the scenario entry
// for the request is attached to req before node-soap is handed the request.
function reply(operation) {
  return function (args, callback, headers, req) {
    const entry = req.tarvelEntry || {};
    if (entry.fault) {
      const f = {
        faultcode: entry.fault.code || 'soap:Server',
        faultstring: entry.fault.string || '',
        statusCode: 500, // node-soap would otherwise send its faults with 200
      };
      if (entry.fault.detail !== undefined) f.detail = entry.fault.detail;
      throw { Fault: f };
    }
    const resultName = RESULT_ELEMENT[operation];
    if (!resultName || entry.missing) return {};
    if (entry.nil) return { [resultName]: null };
    if (entry.empty) return { [resultName]: '' };
    if (entry.bigResultBytes !== undefined) return { [resultName]: BIG_PLACEHOLDER };
    let value = entry.result;
    if (value === undefined) value = defaultResult(operation, args);
    if (value === undefined) return {};
    // node-soap would put the items in the response's namespace; they belong to the
    // Arrays namespace, whose prefix (arr) the envelope declares.
    if (operation === 'GetHostsManagedByAgent') return { [resultName]: { 'arr:string': [].concat(value) } };
    return { [resultName]: String(value) };
  };
}

function defaultResult(operation, args) {
  if (operation === 'GetHostsManagedByAgent') return ['host-a', 'host-b'];
  if (operation === 'GetHostStatus') return args && args.hostName != null ? String(args.hostName) : '';
  return undefined; // GetWorkItem: no work (no result child)
}

const operations = {};
for (const op of ['GetWorkItem', 'WorkItemComplete', 'GetHostStatus', 'GetHostsManagedByAgent',
  'SendHostUpdate', 'SendPingResponse', 'SendCustomResponse']) {
  operations[op] = reply(op);
}

// node-soap takes over the 'request' event of the server it is given; it gets a
// server of its own that never listens, and requests are handed to it by emitting
// 'request' once the body has been read and recorded.
const soapHost = http.createServer();
let soapServer;
try {
  soapServer = soap.listen(soapHost, {
    path: SERVICE_PATH,
    services: { ProxyAgentService: { BasicHttpBinding_OstrelProxyAgent: operations } },
    xml: wsdlXml,
    suppressStack: true,
    // node-soap parses the WSDL asynchronously; listen only once it is ready.
    callback: (err) => {
      if (err) fail('cannot load WSDL ' + opts.wsdl + ': ' + err.message);
      start();
    },
  });
} catch (e) {
  fail('cannot load WSDL ' + opts.wsdl + ': ' + e.message);
}
let binding = null;

function bindingOf() {
  if (!binding) {
    const b = soapServer.wsdl.definitions.bindings;
    binding = b[Object.keys(b)[0]];
  }
  return binding;
}

// Same choice node-soap makes: the SOAPAction header wins, else the body's first element.
function operationOf(soapActionHeader, body) {
  const b = bindingOf();
  if (soapActionHeader !== undefined) {
    const action = soapActionHeader.startsWith('"') ? soapActionHeader.slice(1, -1) : soapActionHeader;
    if (action) {
      for (const m of Object.keys(b.methods)) if (b.methods[m].soapAction === action) return m;
      return null;
    }
  }
  if (!body) return null;
  const first = Object.keys(body).find((k) => k !== 'attributes');
  const pair = first && b.topElements[first];
  return pair ? pair.methodName : null;
}

function parseRequest(text, soapAction) {
  let parsed = null;
  try {
    parsed = soapServer.wsdl.xmlToObject(text);
  } catch (e) {
    return { operation: null, args: null };
  }
  const body = parsed && parsed.Body;
  const operation = operationOf(soapAction, body);
  let args = null;
  if (body && typeof body === 'object') {
    const first = Object.keys(body).find((k) => k !== 'attributes');
    if (first !== undefined && body[first] !== undefined) args = body[first];
  }
  return { operation, args };
}

function record(entry) {
  // appendFileSync: the line is in the file before the reply leaves, so a test may
  // read it as soon as its client has the answer.
  fs.appendFileSync(opts.record, JSON.stringify(entry) + '\n');
}

// Runs node-soap on the request without touching the real response, to get the
// exact bytes it would send.
function renderWithSoap(req, entry) {
  return new Promise((resolve) => {
    const chunks = [];
    const headers = {};
    const fake = {
      statusCode: 200,
      setHeader(k, v) { headers[k.toLowerCase()] = v; },
      getHeader(k) { return headers[k.toLowerCase()]; },
      write(c) { chunks.push(Buffer.from(c)); return true; },
      end(c) {
        if (c) chunks.push(Buffer.from(c));
        resolve({ status: this.statusCode, headers, body: Buffer.concat(chunks) });
      },
      on() { return this; },
      once() { return this; },
    };
    req.tarvelEntry = entry;
    soapServer._requestListener(req, fake);
  });
}

function sendFixed(res, status, contentType, body) {
  const buf = Buffer.isBuffer(body) ? body : Buffer.from(String(body), 'utf8');
  res.writeHead(status, { 'Content-Type': contentType, 'Content-Length': buf.length });
  res.end(buf);
}

function trickle(res, rendered, bytesPerSecond) {
  const perTick = Math.max(1, Math.floor(bytesPerSecond / 10));
  const interval = Math.max(1, Math.round((1000 * perTick) / bytesPerSecond));
  res.writeHead(rendered.status, {
    'Content-Type': rendered.headers['content-type'] || 'text/xml; charset=utf-8',
    'Content-Length': rendered.body.length,
  });
  res.flushHeaders();
  let offset = 0;
  const timer = setInterval(() => {
    if (res.destroyed || res.socket === null) { clearInterval(timer); return; }
    const piece = rendered.body.subarray(offset, offset + perTick);
    offset += piece.length;
    if (offset >= rendered.body.length) {
      clearInterval(timer);
      res.end(piece);
    } else {
      res.write(piece);
    }
  }, interval);
  res.on('close', () => clearInterval(timer));
}

function streamBig(res, rendered, size, chunked) {
  const text = rendered.body.toString('utf8');
  const at = text.indexOf(BIG_PLACEHOLDER);
  if (at < 0) { sendFixed(res, 500, 'text/plain', 'placeholder lost'); return; }
  const head = Buffer.from(text.slice(0, at));
  const tail = Buffer.from(text.slice(at + BIG_PLACEHOLDER.length));
  const headers = { 'Content-Type': rendered.headers['content-type'] || 'text/xml; charset=utf-8' };
  if (!chunked) headers['Content-Length'] = head.length + size + tail.length;
  res.writeHead(rendered.status, headers);
  res.write(head);
  let left = size;
  let gone = false;
  res.on('close', () => { gone = true; });
  const pump = () => {
    while (left > 0) {
      if (gone || res.destroyed) return;
      const piece = left >= FILLER_CHUNK.length ? FILLER_CHUNK : FILLER_CHUNK.subarray(0, left);
      left -= piece.length;
      if (!res.write(piece)) { res.once('drain', pump); return; }
    }
    res.end(tail);
  };
  pump();
}

async function handlePost(req, res, text) {
  const soapAction = req.headers.soapaction;
  const { operation, args } = parseRequest(text, soapAction);
  record({
    operation,
    soapAction: soapAction === undefined ? null : soapAction,
    contentType: req.headers['content-type'] === undefined ? null : req.headers['content-type'],
    body: text,
    args: args === undefined ? null : args,
  });

  let scenario;
  try {
    scenario = loadScenario();
  } catch (e) {
    process.stderr.write('server.js: bad scenario file: ' + e.message + '\n');
    sendFixed(res, 500, 'text/plain; charset=utf-8', 'bad scenario file: ' + e.message);
    return;
  }
  const entry = (operation && scenario[operation]) || {};

  if (entry.hang) {
    // Keep the connection; nothing is ever written. Node must not time it out either.
    req.socket.setTimeout(0);
    return;
  }
  if (entry.raw !== undefined) {
    sendFixed(res, entry.status || 200, entry.contentType || 'text/xml; charset=utf-8', entry.raw);
    return;
  }
  if (entry.httpStatus !== undefined) {
    sendFixed(res, entry.httpStatus, entry.contentType || 'text/plain; charset=utf-8', entry.body || '');
    return;
  }
  if (entry.garbage) {
    sendFixed(res, 200, 'text/xml; charset=utf-8', 'this is not XML at all <<<&&& \x01\x02 >>>\n');
    return;
  }
  if (entry.closeMidReply) {
    const rendered = await renderWithSoap(req, {});
    res.writeHead(200, {
      'Content-Type': rendered.headers['content-type'] || 'text/xml; charset=utf-8',
      'Content-Length': 1000000,
    });
    const part = rendered.body.subarray(0, Math.max(1, Math.floor(rendered.body.length / 2)));
    res.write(part, () => res.socket && res.socket.destroy());
    return;
  }
  if (entry.slowBytesPerSecond !== undefined) {
    trickle(res, await renderWithSoap(req, entry), Math.max(1, entry.slowBytesPerSecond));
    return;
  }
  if (entry.bigResultBytes !== undefined) {
    streamBig(res, await renderWithSoap(req, entry), Math.max(0, entry.bigResultBytes), !!entry.chunked);
    return;
  }
  // Everything else is answered by node-soap itself, onto the real response.
  req.tarvelEntry = entry;
  soapHost.emit('request', req, res);
}

let sampleHandlers = {};

function firstBodyElement(text) {
  const m = /<(?:[\w.-]+:)?Body\b[^>]*>\s*<(?:[\w.-]+:)?([\w.-]+)/.exec(text);
  return m ? m[1] : null;
}

function onRequest(req, res) {
  const pathname = req.url.split('?')[0].replace(/\/$/, '');
  const sample = sampleHandlers[pathname];
  if (sample && req.method === 'POST') {
    const chunks = [];
    req.on('data', (c) => chunks.push(c));
    req.on('end', () => {
      const text = Buffer.concat(chunks).toString('utf8');
      const soapAction = req.headers.soapaction;
      record({
        operation: firstBodyElement(text),
        soapAction: soapAction === undefined ? null : soapAction,
        contentType: req.headers['content-type'] === undefined ? null : req.headers['content-type'],
        body: text,
        args: null,
      });
      req.body = text;
      sample(req, res);
    });
    return;
  }
  if (pathname !== SERVICE_PATH) {
    sendFixed(res, 404, 'text/plain; charset=utf-8', 'not found\n');
    return;
  }
  if (req.method !== 'POST') {
    soapHost.emit('request', req, res); // ?wsdl
    return;
  }
  const chunks = [];
  req.on('data', (c) => chunks.push(c));
  req.on('end', () => {
    const text = Buffer.concat(chunks).toString('utf8');
    req.body = text; // node-soap takes a pre-read body as an express app would give it
    handlePost(req, res, text).catch((e) => {
      process.stderr.write('server.js: ' + (e && e.stack ? e.stack : e) + '\n');
      if (!res.headersSent) sendFixed(res, 500, 'text/plain; charset=utf-8', String(e));
    });
  });
}

function tlsOptions() {
  const o = { cert: fs.readFileSync(opts.cert), key: fs.readFileSync(opts.key) };
  if (opts.ciphers !== undefined) o.ciphers = opts.ciphers;
  if (opts.maxVersion !== undefined) o.maxVersion = opts.maxVersion;
  return o;
}

const server = opts.cert ? https.createServer(tlsOptions(), onRequest) : http.createServer(onRequest);
// A client under test may be slow to send; never cut it off from this side.
server.requestTimeout = 0;
server.headersTimeout = 0;
server.keepAliveTimeout = 60000;

soapServer.log = (type, data) => {
  if (type === 'error') process.stderr.write('server.js: node-soap error: ' + (data && data.stack ? data.stack : data) + '\n');
};

function start() {
  // node-soap writes xsi:nil="true" but never declares the xsi prefix in the envelope,
  // which no namespace-aware client accepts; declare it as any real server would.
  // The array items are written with the arr prefix (see reply()), so make sure it is bound.
  for (const [prefix, ns] of [['xsi', XSI_NS], ['arr', ARRAYS_NS]]) {
    if (soapServer.wsdl.xmlnsInEnvelope.indexOf('xmlns:' + prefix + '=') < 0) {
      soapServer.wsdl.xmlnsInEnvelope += ' xmlns:' + prefix + '="' + ns + '"';
    }
  }
  const samplesWsdl = fs.readFileSync(path.join(__dirname, 'samples.wsdl'), 'utf8');
  samples.setUp(soap, samplesWsdl, fail, (handlers) => {
    sampleHandlers = handlers;
    server.listen(0, '127.0.0.1', () => {
      process.stdout.write('listening ' + server.address().port + '\n');
    });
  });
}

process.stdin.on('end', () => process.exit(0));
process.stdin.on('error', () => process.exit(0));
process.stdin.resume();
