#!/bin/sh
# Runs the portable program where nothing of its build is: in a Debian minbase root (made with
# debootstrap on first use and kept in the build tree; no POCO, no OpenSSL libraries) under
# chroot with an empty environment. It handles a work item in filesystem mode, and talks in
# network mode to the test SOAP server on the loopback over HTTP and HTTPS (a private CA),
# reaching it by a name from the root's /etc/hosts and by a name that only a DNS server of this
# test (dnsmasq, named in the root's resolv.conf) knows.
# Usage: portable_chroot.sh PROGRAM ROOT SOURCE_DIR
set -u
export LC_ALL=C

program=$1
root=$(mkdir -p "$2" && cd "$2" && pwd)
source_dir=$3
[ -x "$program" ] || { echo "FAIL: no program $program: run tools/build-portable first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "SKIP: chroot needs root"; exit 77; }
for tool in debootstrap dnsmasq node openssl python3; do
    command -v $tool >/dev/null 2>&1 || { echo "FAIL: $tool is missing: run tools/install-dependencies --test" >&2; exit 1; }
done

if [ ! -f "$root/.complete" ]; then
    rm -rf "$root"
    # The archive this machine's own packages come from.
    mirror=$(apt-cache policy | awk '$3 == "bookworm/main" && $5 == "Packages" { print $2; exit }')
    [ -n "$mirror" ] || { echo "FAIL: apt knows no bookworm archive for debootstrap" >&2; exit 1; }
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 \
        || { tail -20 "$root.log" >&2; echo "FAIL: debootstrap" >&2; exit 1; }
    touch "$root/.complete"
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Nothing of the program's libraries is in the root.
for library in 'libPoco*' 'libssl.so*'; do
    found=$(find "$root/usr/lib" "$root/lib" -name "$library" 2>/dev/null | head -n 1)
    [ -z "$found" ] || fail "the test root holds $found"
done

inside=/tmp/portable-$$
work=$root$inside
server_pid=""
dns_pid=""
cleanup() {
    [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null
    [ -z "$dns_pid" ] || kill "$dns_pid" 2>/dev/null
    rm -rf "$work"
    cp "$root/etc/hosts.portable-test" "$root/etc/hosts" 2>/dev/null && rm -f "$root/etc/hosts.portable-test"
    cp "$root/etc/resolv.conf.portable-test" "$root/etc/resolv.conf" 2>/dev/null && rm -f "$root/etc/resolv.conf.portable-test"
}
trap cleanup EXIT
mkdir -p "$work/scripts/Setup" "$work/conf"
cp "$program" "$work/tarvel"
cp "$source_dir"/examples/scripts/Setup/* "$work/scripts/Setup/"
cp "$source_dir"/examples/conf/* "$work/conf/"
cp "$source_dir/examples/workitem.xml" "$work/workitem.xml"
chmod 0755 "$work" "$work/scripts" "$work/scripts/Setup" "$work"/scripts/Setup/*

# run_inside DIRECTORY ARGUMENTS...: the program in the root, empty environment, from DIRECTORY.
chroot=$(command -v chroot)
run_inside() {
    start_in=$1
    shift
    env -i "$chroot" "$root" /bin/sh -c 'cd "$0" && exec '"$inside"'/tarvel "$@"' "$start_in" "$@"
}

# --- Filesystem mode -------------------------------------------------------------------------
run_inside "$inside" --name agent-1 --workitem "$inside/workitem.xml" --script "$inside/scripts" \
    --config "$inside/conf/tarvel.properties" --response "$inside/response.xml" >"$work/fs.out" 2>"$work/fs.log"
status=$?
[ "$status" -eq 0 ] || fail "filesystem mode ended with $status: $(cat "$work/fs.log")"
grep -q 'vmState' "$work/response.xml" 2>/dev/null || fail "filesystem mode wrote no response with the scripts' result"
grep -q 'the administrator password is set' "$work/fs.log" || fail "the encrypted property did not reach the script"

# --- Name resolution: /etc/hosts and a DNS server of this test --------------------------------
# The DNS server listens on a loopback address of its own (port 53 is what resolv.conf implies),
# so that it meets no other server of the machine.
dns_address=127.53.$(($$ % 250 + 1)).$(($$ / 250 % 250 + 1))
cp "$root/etc/hosts" "$root/etc/hosts.portable-test" 2>/dev/null || : >"$root/etc/hosts.portable-test"
cp "$root/etc/resolv.conf" "$root/etc/resolv.conf.portable-test" 2>/dev/null || : >"$root/etc/resolv.conf.portable-test"
printf '127.0.0.1 localhost\n127.0.0.1 soap-by-hosts.test\n' >"$root/etc/hosts"
printf 'nameserver %s\n' "$dns_address" >"$root/etc/resolv.conf"
dnsmasq --keep-in-foreground --listen-address="$dns_address" --bind-interfaces --port=53 --no-resolv \
    --no-hosts --address=/soap-by-dns.test/127.0.0.1 --pid-file= --log-facility=- 2>"$work/dns.log" &
dns_pid=$!

# --- The SOAP server, over HTTP and then HTTPS -------------------------------------------------
(cd "$work" \
    && openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=TestCA -keyout ca.key -out ca.pem \
    && openssl req -newkey rsa:2048 -nodes -subj /CN=soap-by-dns.test -keyout server.key -out server.csr \
    && printf 'subjectAltName=DNS:soap-by-dns.test,DNS:soap-by-hosts.test\n' >san.ext \
    && openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile san.ext \
        -out server.pem) >"$work/openssl.log" 2>&1 || fail "no test certificates: $(cat "$work/openssl.log")"
mkdir -p "$work/https/axis2"
printf '<axisconfig name="Axis2/C"><transportSender name="https"><parameter name="SERVER_CERT">%s</parameter></transportSender></axisconfig>\n' \
    "$inside/ca.pem" >"$work/https/axis2/axis2.xml"
mkdir -p "$work/http"

python3 - "$work/workitem.xml" "$work/scenario.json" <<'EOF'
import json, sys
item = open(sys.argv[1]).read()
json.dump({"GetWorkItem": {"result": item}, "WorkItemComplete": {}}, open(sys.argv[2], "w"))
EOF

# start_server [--tls CERT KEY]: the node-soap test server; it ends when its standard input does.
start_server() {
    rm -f "$work/requests.jsonl" "$work/server.out" "$work/server.in"
    mkfifo "$work/server.in"
    node "$source_dir/tests/soap/server.js" --wsdl "$source_dir/wsdl/ProxyAgentService.wsdl" \
        --record "$work/requests.jsonl" --scenario "$work/scenario.json" "$@" \
        <"$work/server.in" >"$work/server.out" 2>"$work/server.err" &
    server_pid=$!
    exec 9>"$work/server.in"
    port=""
    for _ in $(seq 1 100); do
        port=$(sed -n 's/^listening \([0-9]*\)$/\1/p' "$work/server.out")
        [ -n "$port" ] && return 0
        sleep 0.2
    done
    fail "the SOAP server did not start: $(cat "$work/server.err")"
    return 1
}
stop_server() {
    exec 9>&-
    wait "$server_pid" 2>/dev/null
    server_pid=""
}

# network_run HOST WORKDIR [--ssl]: one agent run against the server; checks both operations.
network_run() {
    host=$1
    directory=$2
    shift 2
    rm -rf "$work/scripts/.tarvel"
    run_inside "$inside/$directory" --host "$host" --name agent-1 --script "$inside/scripts" \
        --config "$inside/conf/tarvel.properties" "$@" >"$work/$directory.out" 2>"$work/$directory.log"
    status=$?
    [ "$status" -eq 0 ] || fail "network mode against $host ($*) ended with $status: $(cat "$work/$directory.log")"
    operations=$(python3 -c 'import json,sys; print(" ".join(json.loads(l)["operation"] for l in open(sys.argv[1])))' \
        "$work/requests.jsonl" 2>/dev/null)
    [ "$operations" = "GetWorkItem WorkItemComplete" ] \
        || fail "network mode against $host ($*): the server saw '$operations'"
}

if start_server; then
    network_run "soap-by-hosts.test:$port" http
    rm -f "$work/requests.jsonl"
    network_run "soap-by-dns.test:$port" http
    stop_server
fi
if start_server --tls "$work/server.pem" "$work/server.key"; then
    network_run "soap-by-dns.test:$port" https --ssl
    rm -f "$work/requests.jsonl"
    network_run "soap-by-hosts.test:$port" https --ssl
    stop_server
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "portable_chroot: all checks passed"
