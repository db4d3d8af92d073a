#!/bin/sh
# Runs tarvel-provision against a fake agent whose runs end with a scripted list of statuses, a
# fake sleep that records its delay instead of waiting, and a fake clock that only the agent's
# runs and the sleeps move.
# Usage: provision_wrapper.sh WRAPPER LOCALSTATEDIR (the /var of the installation)
set -u

wrapper=$1
var=$2
real_sleep=$(command -v sleep)
real_date=$(command -v date)
# The fakes go to $tmp/bin: without a directory of its own the test must not start at all.
tmp=$(mktemp -d) && [ -n "$tmp" ] && [ -d "$tmp" ] || { echo "provision_wrapper.sh: no temporary directory" >&2; exit 1; }
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_file WHAT FILE EXPECTED: compares a file's lines with EXPECTED.
expect_file() {
    if [ "$(cat "$2" 2>/dev/null)" != "$3" ]; then
        fail "$1"
        printf 'expected:\n%s\nactual:\n' "$3" >&2
        cat "$2" >&2
    fi
}

mkdir -p "$tmp/bin" "$tmp/etc"
# The fake agent: each run takes the next status from $FAKE/statuses and logs itself to
# $FAKE/events; "crash" ends it by a signal, "hang" makes it wait until it is killed, "linger"
# makes it wait until it is stopped and then take a moment to finish; "0+N" ends with status 0
# after N seconds of the fake clock.
cat >"$tmp/bin/fake-agent" <<'EOF'
#!/bin/sh
run=$(($(grep -c '^run' "$FAKE/events") + 1))
status=$(sed -n "${run}p" "$FAKE/statuses")
printf '%s\n' "$@" >"$FAKE/args"
pwd >"$FAKE/cwd"
echo "run ${status:-beyond the list}" >>"$FAKE/events"
case $status in
    '') exit 255 ;;
    crash) kill -s KILL $$ ;;
    hang) echo $$ >"$FAKE/child"; exec "$REAL_SLEEP" 30 ;;
    linger)
        # As the real agent: on SIGTERM it ends its script's group and reports before it exits.
        trap 'kill $!; "$REAL_SLEEP" 1; echo "agent finished" >&2; exit 1' TERM
        echo $$ >"$FAKE/child"
        "$REAL_SLEEP" 30 &
        wait
        ;;
    0+*) echo $(($(cat "$FAKE/clock") + ${status#0+})) >"$FAKE/clock"; exit 0 ;;
    *) exit "$status" ;;
esac
EOF
# The fake sleep moves the fake clock by its delay.
cat >"$tmp/bin/sleep" <<'EOF'
#!/bin/sh
echo "sleep $*" >>"$FAKE/events"
echo $(($(cat "$FAKE/clock") + $1)) >"$FAKE/clock"
if [ -e "$FAKE/slow" ]; then
    echo $$ >"$FAKE/child"
    exec "$REAL_SLEEP" 30
fi
EOF
# The fake clock: "date +%s" reads it, any other use is the real date.
cat >"$tmp/bin/date" <<'EOF'
#!/bin/sh
if [ "$*" = +%s ]; then
    cat "$FAKE/clock"
else
    exec "$REAL_DATE" "$@"
fi
EOF
chmod +x "$tmp/bin/fake-agent" "$tmp/bin/sleep" "$tmp/bin/date"

# start STATUS...: a fresh case whose agent runs end with these statuses.
start() {
    rm -rf "$tmp/state" "$tmp/events" "$tmp/args" "$tmp/cwd" "$tmp/slow" "$tmp/child" "$tmp/err"
    : >"$tmp/events"
    printf '%s\n' "$@" >"$tmp/statuses"
    echo 1000000000 >"$tmp/clock"
}

# Every run of the wrapper uses the fakes and this directory instead of the machine's files.
export FAKE="$tmp" REAL_SLEEP="$real_sleep" REAL_DATE="$real_date" PATH="$tmp/bin:$PATH" \
    TARVEL_PROGRAM="$tmp/bin/fake-agent" TARVEL_DEFAULTS="$tmp/defaults" \
    TARVEL_MARKER="$tmp/state/provisioned" TARVEL_CONFIG_DIR="$tmp/etc" \
    TARVEL_DELAY_INITIAL=5 TARVEL_DELAY_MAX=15

# provision [VARIABLE=VALUE...]: runs the wrapper, bounded in time; "timeout --foreground" passes
# a SIGTERM on to the wrapper alone.
provision() {
    env "$@" timeout --foreground 20 sh "$wrapper" 2>"$tmp/err"
}

# The argument list from the defaults file: values with blanks stay one argument, the extra
# options are split at blanks but not expanded as file name patterns. The agent runs in the
# configuration directory.
touch "$tmp/a.xml"
cat >"$tmp/defaults" <<EOF
TARVEL_HOST=orvex.example:8443
TARVEL_SSL=yes
TARVEL_NAME="agent one"
TARVEL_SCRIPT_ROOT=$tmp/scripts
TARVEL_AXIS_LOG=$tmp/axis.log
TARVEL_OPTIONS="--response=$tmp/out.xml --workitem $tmp/*.xml"
EOF
start 255
provision
expect_file "arguments from the defaults file" "$tmp/args" "--config=$tmp/etc/tarvel.properties
--axis=$tmp/axis.log
--host=orvex.example:8443
--ssl
--name=agent one
--script=$tmp/scripts
--response=$tmp/out.xml
--workitem
$tmp/*.xml"
expect_file "working directory" "$tmp/cwd" "$tmp/etc"

# Without a defaults file: no host, SSL or name, and the installed paths.
rm "$tmp/defaults"
start 255
provision
expect_file "arguments without a defaults file" "$tmp/args" "--config=$tmp/etc/tarvel.properties
--axis=$var/log/tarvel/tarvel-axis.log
--script=$var/lib/tarvel/scripts"

# A TARVEL_SSL that is neither yes nor no stops before any run.
echo "TARVEL_SSL=maybe" >"$tmp/defaults"
start 255
provision
status=$?
[ "$status" -eq 1 ] || fail "a wrong TARVEL_SSL: status $status, expected 1"
expect_file "a wrong TARVEL_SSL runs nothing" "$tmp/events" ""
rm "$tmp/defaults"

# The whole sequence: status 1 doubles the delay up to the maximum, 0 runs again at once and
# starts the delays anew, a crash counts as 1, 255 writes the marker and nothing runs after it.
start 1 1 1 1 0 1 crash 255 1
provision JOURNAL_STREAM=8:1234
status=$?
[ "$status" -eq 0 ] || fail "after status 255: status $status, expected 0"
expect_file "runs and delays" "$tmp/events" "run 1
sleep 5
run 1
sleep 10
run 1
sleep 15
run 1
sleep 15
run 0
run 1
sleep 5
run crash
sleep 10
run 255"
[ -s "$tmp/state/provisioned" ] || fail "no marker after status 255"
# One line per run, with its journal priority.
[ "$(wc -l <"$tmp/err")" -eq 8 ] || fail "expected 8 status lines"
grep -q '^<4>.*status 137' "$tmp/err" || fail "the crash is not logged as a warning with its status"
[ "$(grep -c '^<5>' "$tmp/err")" -eq 7 ] || fail "expected 7 notices"
cat "$tmp/err"

# Quick status-0 runs (an item the agent cannot read, over and over): three in a row run at once,
# each further one waits the doubling delay. A run that took 1 s on the clock still counts as
# quick; the delays do not count as part of a run.
start 0 0 0+1 0 0 0 0 0 255
provision TARVEL_DELAY_MAX=40 JOURNAL_STREAM=8:1234
expect_file "quick runs in a row" "$tmp/events" "run 0
run 0
run 0+1
run 0
sleep 5
run 0
sleep 10
run 0
sleep 20
run 0
sleep 40
run 0
sleep 40
run 255"
grep -q '^<5>.*run 4 ended with status 0, 4 quick runs in a row; next run in 5 s$' "$tmp/err" \
    || fail "the first paced run is not logged as a notice saying why it waits"
[ "$(wc -l <"$tmp/err")" -eq 9 ] || fail "expected one line per run"
cat "$tmp/err"

# A run of 2 s or more did work: it runs the next at once however many came before it, and starts
# the count and the delays anew; so does a status-1 run.
start 0 0 0 0 0 0+2 0+2 0+2 0+2 0+30 0 0 0 0 1 0 0 0 0 255
provision TARVEL_DELAY_MAX=40
expect_file "runs that did work, and status 1, end a series of quick runs" "$tmp/events" "run 0
run 0
run 0
run 0
sleep 5
run 0
sleep 10
run 0+2
run 0+2
run 0+2
run 0+2
run 0+30
run 0
run 0
run 0
run 0
sleep 5
run 1
sleep 10
run 0
run 0
run 0
run 0
sleep 5
run 255"

# The limits come from the environment: with a burst of 1 and runs under 5 s counting as quick.
start 0+3 0+3 0+4 0+5 0 255
provision TARVEL_QUICK_RUN=5 TARVEL_QUICK_BURST=1
expect_file "quick-run limits from the environment" "$tmp/events" "run 0+3
run 0+3
sleep 5
run 0+4
sleep 10
run 0+5
run 0
run 255"

# stop_during WHAT: SIGTERM while the agent runs or the wrapper waits ends the wrapper at once
# with status 0, ends its child, and starts no other run.
stop_during() {
    timeout --foreground 20 sh "$wrapper" 2>"$tmp/err" &
    pid=$!
    tries=0
    while [ ! -s "$tmp/child" ] && [ "$tries" -lt 50 ]; do
        "$real_sleep" 0.1
        tries=$((tries + 1))
    done
    stopped_at=$("$real_date" +%s)
    kill -TERM "$pid"
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] || fail "SIGTERM during $1: status $status, expected 0"
    [ $(($("$real_date" +%s) - stopped_at)) -lt 5 ] || fail "SIGTERM during $1 took 5 s or more"
    if kill -0 "$(cat "$tmp/child")" 2>/dev/null; then
        fail "SIGTERM during $1 left the child running"
        kill "$(cat "$tmp/child")"
    fi
    [ ! -e "$tmp/state/provisioned" ] || fail "SIGTERM during $1 wrote the marker"
    grep -q stopped "$tmp/err" || fail "SIGTERM during $1 is not logged"
}
start 1 255
touch "$tmp/slow"
stop_during "a delay"
expect_file "no run after SIGTERM during a delay" "$tmp/events" "run 1
sleep 5"

start hang 255
stop_during "a run"
expect_file "no run after SIGTERM during a run" "$tmp/events" "run hang"

# The agent needs a moment after SIGTERM (it stops its script and reports the interruption): the
# wrapper ends only after the agent has.
start linger 255
stop_during "a run the agent winds up"
expect_file "no run after the agent wound up" "$tmp/events" "run linger"
[ "$(sed -n '1p;$p' "$tmp/err" | sed 's/^.*: //')" = "agent finished
stopped" ] || { fail "the wrapper did not wait for the agent to finish"; cat "$tmp/err" >&2; }

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "provision_wrapper: all checks passed"
