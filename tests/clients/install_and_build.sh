#!/bin/sh
# Installs the engine (the install component "axis2c") from the build tree into a scratch prefix,
# checks what it installs, and builds the client programs of this folder from that installation
# the way a user of the engine would: `cc <sources> $(pkg-config --cflags --libs axis2c)` and
# nothing else. The programs are left in OUT_DIR for the tests that run them against the SOAP
# server; the prefix is removed.
# Usage: install_and_build.sh CMAKE BUILD_DIR SOURCE_DIR OUT_DIR CC PKG_CONFIG "STUB_SOURCES"
set -u
export LC_ALL=C

cmake=$1
build=$2
source=$3
out=$4
cc=$5
pkg_config=$6
stub_sources=$7
clients=$source/tests/clients

if [ -z "$pkg_config" ]; then
    echo "FAIL: pkg-config was not found when CMake ran; install it (tools/install-dependencies --test) and re-run cmake" >&2
    exit 1
fi
tmp=$(mktemp -d) && [ -n "$tmp" ] && [ -d "$tmp" ] || { echo "install_and_build.sh: no temporary directory" >&2; exit 1; }
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" --component axis2c >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

# Exactly the engine's headers (same tree as axis2c/include), the library and the pkg-config
# file: nothing of the agent, no test.
expected=$({
    (cd "$source/axis2c/include" && find . -name '*.h' | sed 's|^\.|./include/axis2c|')
    echo ./lib/libaxis2c.a
    echo ./lib/pkgconfig/axis2c.pc
} | sort)
actual=$(cd "$prefix" && find . -type f | sort)
if [ "$expected" != "$actual" ]; then
    fail "installed files"
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual" >&2
fi

flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" "$pkg_config" --cflags --libs axis2c) || {
    echo "FAIL: pkg-config --cflags --libs axis2c" >&2
    exit 1
}
echo "pkg-config --cflags --libs axis2c: $flags"
case "$flags" in
    *"$build"* | *"$source"*) fail "the flags name the build or source tree: $flags" ;;
esac

rm -rf "$out" && mkdir -p "$out" || exit 1
for program in echo_client fault_client math_client proxy_agent_client; do
    sources=$program.c
    [ "$program" = proxy_agent_client ] && sources="$sources $stub_sources"
    # shellcheck disable=SC2086 # the sources and the flags are lists of words
    if ! (cd "$clients" && "$cc" -std=c99 -Wall -Wextra -Werror -o "$out/$program" $sources $flags) \
        >"$tmp/$program.log" 2>&1; then
        cat "$tmp/$program.log" >&2
        fail "$program does not build from the installation"
    fi
done

# A program so built runs on its own: its usage, and the stub's check of its client home.
if [ -x "$out/proxy_agent_client" ]; then
    cd "$tmp" || exit 1
    "$out/proxy_agent_client" >"$tmp/usage.log" 2>&1
    status=$?
    [ "$status" -eq 2 ] && grep -q '^usage: ' "$tmp/usage.log" || fail "usage: status $status, $(cat "$tmp/usage.log")"
    report=$(env -u AXIS2C_HOME "$out/proxy_agent_client" http://127.0.0.1:9/Ostrel2 GetHostStatus vm 2>&1)
    status=$?
    case "$status $report" in
        "1 stub not created (error 2): "*) ;;
        *) fail "without a client home: status $status, $report" ;;
    esac
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install_and_build: the engine installs and the clients build from it"
