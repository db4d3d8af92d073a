#!/bin/sh
# Runs the agent of a build under valgrind (memcheck, full leak check) for two whole passes: the
# bundled example in filesystem mode and the same example in network mode against the node-soap
# test server, each in a copy of the example in a temporary directory. The network pass runs the
# exchanges in the agent (tarvel.confine = false): valgrind does not know the seccomp system
# call, so a confined network process cannot start under it (the ASan build runs every test with
# the separation on). Fails when valgrind reports an error or a definite or indirect leak, or
# when a pass does not end as it should.
#
#   tests/faults/valgrind-runs.sh BUILD_DIR
# Needs valgrind, node and the test server's modules (npm ci --prefix tests/soap).
set -eu

build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/tarvel-valgrind-XXXXXX)
server_pid=
cleanup() {
    [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# "Possibly lost" is left out: POCO keeps its singletons (loggers, the name pool) until exit, and
# pointers into the middle of them are reported as possible leaks without being any.
valgrind="valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect
          --show-leak-kinds=definite,indirect"

copy_example() {
    rm -rf "$work/$1"
    mkdir -p "$work/$1"
    cp -R "$source/examples/conf" "$source/examples/scripts" "$source/examples/workitem.xml" "$work/$1/"
    rm -f "$work/$1/scripts/workitem.xml" "$work/$1/scripts/Setup/tarvellog.txt"
}

check() {
    # name, expected status, actual status, file that must hold the success response
    if [ "$3" -ne "$2" ]; then
        echo "valgrind pass '$1': status $3, expected $2 (99: valgrind found errors); see $work/$1" >&2
        trap - EXIT
        exit 1
    fi
    echo "valgrind pass '$1': clean"
}

copy_example filesystem
status=0
(cd "$work/filesystem" && $valgrind "$build/tarvel" --name example-agent --workitem workitem.xml --script scripts \
    --config conf/tarvel.properties --response response.xml >out.txt 2>err.txt) || status=$?
grep -q 'succeeded="true"' "$work/filesystem/response.xml" || status=98
check filesystem 0 "$status"

copy_example network
mkdir -p "$work/network/axis2"
# The engine's timeouts, generous: the program runs many times slower under valgrind.
printf '<axisconfig name="Axis2/C"><parameter name="SO_TIMEOUT">60000</parameter></axisconfig>\n' \
    >"$work/network/axis2/axis2.xml"
printf '\ntarvel.confine = false\n' >>"$work/network/conf/tarvel.properties"
node -e 'const fs = require("fs");
         fs.writeFileSync(process.argv[2], JSON.stringify({GetWorkItem: {result: fs.readFileSync(process.argv[1], "utf8")}}));' \
    "$source/examples/workitem.xml" "$work/network/scenario.json"
mkfifo "$work/network/server-in"
node "$source/tests/soap/server.js" --wsdl "$source/wsdl/ProxyAgentService.wsdl" --record "$work/network/requests.jsonl" \
    --scenario "$work/network/scenario.json" <"$work/network/server-in" >"$work/network/server-out.txt" 2>&1 &
server_pid=$!
# Holding the fifo open keeps the server up; it ends when the script does.
exec 3>"$work/network/server-in"
port=
for _ in $(seq 1 100); do
    port=$(sed -n 's/^listening //p' "$work/network/server-out.txt")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the test server did not start: $(cat "$work/network/server-out.txt")" >&2; exit 1; }
status=0
(cd "$work/network" && $valgrind "$build/tarvel" --host "127.0.0.1:$port" --name example-agent --script scripts \
    --config conf/tarvel.properties >out.txt 2>err.txt) || status=$?
grep -q 'succeeded=\\"true\\"' "$work/network/requests.jsonl" || grep -q 'succeeded=&quot;true&quot;' "$work/network/requests.jsonl" || status=98
check network 0 "$status"
exec 3>&-
