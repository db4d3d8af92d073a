#!/bin/sh
# Runs tarvel-provision against a fake agent whose runs end with a scripted list of statuses, a
# fake sleep that records its delay instead of waiting, a fake clock that only the agent's runs and
# the sleeps move, and a fake random source that prints a scripted list of numbers.
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
# The fake random source: each call prints the next line of $FAKE/random, padded with blanks as od
# pads it, and logs itself to $FAKE/draws; "fail" ends it with status 1 and no output. Past the end
# of the list it prints the largest number, with which every delay is its whole bound.
cat >"$tmp/bin/fake-random" <<'EOF'
#!/bin/sh
draw=$(($(wc -l <"$FAKE/draws") + 1))
echo draw >>"$FAKE/draws"
number=$(sed -n "${draw}p" "$FAKE/random")
case $number in
    fail) exit 1 ;;
    '') echo '  4294967295' ;;
    *) echo "  $number" ;;
esac
EOF
chmod +x "$tmp/bin/fake-agent" "$tmp/bin/sleep" "$tmp/bin/date" "$tmp/bin/fake-random"

# start STATUS...: a fresh case whose agent runs end with these statuses.
start() {
    rm -rf "$tmp/state" "$tmp/events" "$tmp/args" "$tmp/cwd" "$tmp/slow" "$tmp/child" "$tmp/err"
    : >"$tmp/events"
    : >"$tmp/draws"
    : >"$tmp/random"
    printf '%s\n' "$@" >"$tmp/statuses"
    echo 1000000000 >"$tmp/clock"
}

# Every run of the wrapper uses the fakes and this directory instead of the machine's files.
export FAKE="$tmp" REAL_SLEEP="$real_sleep" REAL_DATE="$real_date" PATH="$tmp/bin:$PATH" \
    TARVEL_PROGRAM="$tmp/bin/fake-agent" TARVEL_DEFAULTS="$tmp/defaults" \
    TARVEL_MARKER="$tmp/state/provisioned" TARVEL_CONFIG_DIR="$tmp/etc" \
    TARVEL_DELAY_INITIAL=5 TARVEL_DELAY_MAX=15 TARVEL_RANDOM="$tmp/bin/fake-random"

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
grep -q '^<5>.*run 4 ended with status 0, 4 quick runs in a row; next run in 5 s (random, at most 5 s)$' \
    "$tmp/err" \
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

# Full jitter: each delay is the random number's share of the bound (0, 1/2, nearly 1, 1/4 and 3/4
# of 2^32 here), rounded down, while the bound doubles to the maximum as without jitter. A delay of
# 0 runs again at once. A leading zero is decimal, not octal.
start 1 1 1 1 1 1 255
printf '%s\n' 0 2147483648 4294967295 1073741824 3221225472 04294967295 >"$tmp/random"
provision TARVEL_DELAY_MAX=40
expect_file "random delays up to a doubling bound" "$tmp/events" "run 1
run 1
sleep 5
run 1
sleep 20
run 1
sleep 10
run 1
sleep 30
run 1
sleep 40
run 255"
sed -n 's/^.*; //p' "$tmp/err" >"$tmp/next"
expect_file "the delays are logged with their bounds" "$tmp/next" "next run in 0 s (random, at most 5 s)
next run in 5 s (random, at most 10 s)
next run in 20 s (random, at most 20 s)
next run in 10 s (random, at most 40 s)
next run in 30 s (random, at most 40 s)
next run in 40 s (random, at most 40 s)"
# One number per delay: none for the start (no spread by default), none after the last run.
[ "$(wc -l <"$tmp/draws")" -eq 6 ] || fail "expected 6 random numbers drawn: $(wc -l <"$tmp/draws")"

# The installed source, /dev/urandom: every delay within its bound and slept as logged, and not all
# of them 0 nor all their bound (either has a chance below 1 in a million).
start 1 1 1 1 1 255
provision TARVEL_DELAY_MAX=40 TARVEL_RANDOM=
grep -q 'random number' "$tmp/err" && fail "/dev/urandom gave no random number"
sed -n 's/^.*next run in \([0-9]*\) s (random, at most \([0-9]*\) s)$/\1 \2/p' "$tmp/err" \
    >"$tmp/next"
[ "$(cut -d' ' -f2 "$tmp/next" | tr '\n' ' ')" = "5 10 20 40 40 " ] \
    || { fail "the bounds with /dev/urandom"; cat "$tmp/err" >&2; }
while read -r pause bound; do
    [ "$pause" -le "$bound" ] || fail "a delay of $pause s over its bound of $bound s"
    [ "$pause" -eq 0 ] || grep -q "^sleep $pause\$" "$tmp/events" \
        || fail "a delay of $pause s not slept"
done <"$tmp/next"
awk '$1 == 0 {zero++} $1 == $2 {whole++} END {exit !(zero == NR || whole == NR)}' "$tmp/next" \
    && fail "the delays from /dev/urandom are not random: $(cut -d' ' -f1 "$tmp/next" | tr '\n' ' ')"

# A source that fails, or prints something other than a number up to 2^32 - 1, gives the whole
# bound, with one warning however often it fails; it is asked again each time and used when it
# works again.
start 1 1 1 1 1 255
printf '%s\n' fail abc 4294967296 -1 0 >"$tmp/random"
provision JOURNAL_STREAM=8:1234
expect_file "a failing random source" "$tmp/events" "run 1
sleep 5
run 1
sleep 10
run 1
sleep 15
run 1
sleep 15
run 1
run 255"
warnings=$(grep -c '^<4>.*no random number from .*fake-random; each delay is its full bound$' "$tmp/err")
[ "$warnings" -eq 1 ] \
    || { fail "a failing random source is not logged once as a warning"; cat "$tmp/err" >&2; }
start 1 1 255
provision TARVEL_RANDOM="$tmp/no-such-command"
expect_file "a missing random source" "$tmp/events" "run 1
sleep 5
run 1
sleep 10
run 255"
grep -q 'no random number from' "$tmp/err" || fail "a missing random source is not logged"

# The start spread, from the defaults file: one random wait before the first run, logged; the
# delays after it start at their first bound.
echo "TARVEL_START_SPREAD=60" >"$tmp/defaults"
start 1 255
echo 2147483648 >"$tmp/random"
provision
expect_file "a start spread" "$tmp/events" "sleep 30
run 1
sleep 5
run 255"
[ "$(sed -n '1s/^.*: //p' "$tmp/err")" = "first run in 30 s (random, at most 60 s)" ] \
    || { fail "the start spread is not logged"; cat "$tmp/err" >&2; }
rm "$tmp/defaults"

# A pacing setting that is not a whole decimal number of at most nine digits stops before any run.
for value in 1m -5 08 1234567890 " 5"; do
    start 255
    provision TARVEL_START_SPREAD="$value"
    status=$?
    [ "$status" -eq 1 ] || fail "TARVEL_START_SPREAD='$value': status $status, expected 1"
    expect_file "TARVEL_START_SPREAD='$value' runs nothing" "$tmp/events" ""
    grep -q "TARVEL_START_SPREAD must be a whole number" "$tmp/err" \
        || fail "TARVEL_START_SPREAD='$value' is not logged"
done
start 255
provision TARVEL_DELAY_MAX=5m
status=$?
[ "$status" -eq 1 ] || fail "TARVEL_DELAY_MAX=5m: status $status, expected 1"
expect_file "TARVEL_DELAY_MAX=5m runs nothing" "$tmp/events" ""

# "status" runs no pass: it hands over to the agent's status, with the settings the runs would use,
# from the same working directory, and ends with its status; the pacing settings do not concern it.
# Of TARVEL_OPTIONS only the service's own --config and --script concern it.
printf 'TARVEL_SCRIPT_ROOT=%s\nTARVEL_OPTIONS="--ignored --script=%s/other --host=h"\n' "$tmp/scripts" "$tmp" \
    >"$tmp/defaults"
start 2
env TARVEL_DELAY_MAX=5m timeout --foreground 20 sh "$wrapper" status --json --wait --timeout 30 2>"$tmp/err"
status=$?
[ "$status" -eq 2 ] || fail "status: exit status $status, expected the agent's 2"
expect_file "status arguments" "$tmp/args" "--status
--config=$tmp/etc/tarvel.properties
--script=$tmp/scripts
--marker=$tmp/state/provisioned
--script=$tmp/other
--json
--wait
--timeout
30"
expect_file "status working directory" "$tmp/cwd" "$tmp/etc"
expect_file "status runs the agent once, without a delay" "$tmp/events" "run 2"
rm "$tmp/defaults"
start 255
timeout --foreground 20 sh "$wrapper" stauts 2>"$tmp/err"
status=$?
[ "$status" -eq 1 ] || fail "an unknown argument: status $status, expected 1"
expect_file "an unknown argument runs nothing" "$tmp/events" ""
grep -q "usage: " "$tmp/err" || fail "an unknown argument is not answered with the usage"

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

echo "TARVEL_START_SPREAD=60" >"$tmp/defaults"
start 255
touch "$tmp/slow"
stop_during "the start spread"
expect_file "no run after SIGTERM during the start spread" "$tmp/events" "sleep 60"
rm "$tmp/defaults"

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
