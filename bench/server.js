#!/usr/bin/env node
// Benchmark server for network mode: answers ProxyAgentService's GetWorkItem and
// WorkItemComplete at /Ostrel2 with canned SOAP 1.1 replies (in node-soap's format), and appends
// one line per request to the timing log: "<operation> <microseconds>", measured from the
// request's headers to the reply's last byte handed to the socket. The same server answers the
// agent and the curl baseline, so both pay the same server cost, and its own share is known.
//
//   node bench/server.js --workitem <file.xml> --log <timing file> [--dump <dir>] [--idle-exit <s>]
//
// Prints "listening <port>" (loopback, a free port). --dump saves each operation's first
// request body as <dir>/<operation>.xml, so the baseline can send exactly the agent's bytes.
// Exits on SIGTERM, when its standard input ends, or after --idle-exit seconds (default 300)
// without a request, so it never outlives the benchmark.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');

function fail(message) {
  process.stderr.write('bench/server.js: ' + message + '\n');
  process.exit(2);
}

const options = { idleExit: 300 };
for (let i = 2; i < process.argv.length; i++) {
  const arg = process.argv[i];
  if (arg === '--workitem') options.workitem = process.argv[++i];
  else if (arg === '--log') options.log = process.argv[++i];
  else if (arg === '--dump') options.dump = process.argv[++i];
  else if (arg === '--idle-exit') options.idleExit = Number(process.argv[++i]);
  else fail('unknown argument ' + arg);
}
if (!options.workitem || !options.log) fail('usage: server.js --workitem <file.xml> --log <file> [--dump <dir>] [--idle-exit <s>]');

function escapeXml(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

function envelope(body) {
  return Buffer.from(
    '<?xml version="1.0" encoding="utf-8"?><soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/">' +
    '<soap:Body>' + body + '</soap:Body></soap:Envelope>');
}

// Built once: the replies' cost is not what is measured.
const replies = {
  GetWorkItem: envelope('<GetWorkItemResponse xmlns="http://orvex.example/Ostrel"><GetWorkItemResult>' +
    escapeXml(fs.readFileSync(options.workitem, 'utf8')) + '</GetWorkItemResult></GetWorkItemResponse>'),
  WorkItemComplete: envelope('<WorkItemCompleteResponse xmlns="http://orvex.example/Ostrel"></WorkItemCompleteResponse>'),
};
const dumped = new Set();

let idleTimer = null;
function armIdleTimer() {
  if (idleTimer) clearTimeout(idleTimer);
  idleTimer = setTimeout(() => process.exit(0), options.idleExit * 1000);
}

const server = http.createServer((req, res) => {
  const start = process.hrtime.bigint();
  armIdleTimer();
  const chunks = [];
  req.on('data', (chunk) => chunks.push(chunk));
  req.on('end', () => {
    const action = String(req.headers.soapaction || '');
    const operation = Object.keys(replies).find((name) => action.endsWith('/' + name + '"') || action.endsWith('/' + name));
    if (req.method !== 'POST' || req.url !== '/Ostrel2' || !operation) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found\n');
      return;
    }
    if (options.dump && !dumped.has(operation)) {
      dumped.add(operation);
      fs.writeFileSync(path.join(options.dump, operation + '.xml'), Buffer.concat(chunks));
    }
    const reply = replies[operation];
    res.on('finish', () => {
      const micros = Number(process.hrtime.bigint() - start) / 1000;
      fs.appendFileSync(options.log, operation + ' ' + micros.toFixed(0) + '\n');
    });
    res.writeHead(200, { 'Content-Type': 'text/xml; charset=utf-8', 'Content-Length': reply.length });
    res.end(reply);
  });
});

server.listen(0, '127.0.0.1', () => {
  process.stdout.write('listening ' + server.address().port + '\n');
  armIdleTimer();
});
process.on('SIGTERM', () => process.exit(0));
process.stdin.on('end', () => process.exit(0));
process.stdin.resume();
