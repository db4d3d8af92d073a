#!/bin/sh
# Builds the Debian package from the build tree and runs lintian, Debian's own package checker,
# on it: no error and no warning may remain other than those the package overrides (each with
# its reason, in packaging/debian/lintian-overrides).
# Usage: package_lintian.sh BUILD_DIR INSTALL_PREFIX | package_lintian.sh --deb PACKAGE
set -u
export LC_ALL=C

if ! command -v lintian >/dev/null 2>&1; then
    echo "FAIL: lintian is missing: run tools/install-dependencies --test" >&2
    exit 1
fi
tmp=$(mktemp -d) && [ -n "$tmp" ] && [ -d "$tmp" ] || { echo "package_lintian.sh: no temporary directory" >&2; exit 1; }
trap 'rm -rf "$tmp"' EXIT

if [ "$1" = --deb ]; then
    deb=$2
else
    if [ "$2" != /usr ]; then
        echo "SKIP: the package is checked for the prefix /usr; this tree uses $2"
        exit 77
    fi
    if ! cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
        cat "$tmp/cpack.log" >&2
        echo "FAIL: cpack" >&2
        exit 1
    fi
    set -- "$tmp"/out/tarvel_*.deb
    if [ $# -ne 1 ] || [ ! -f "$1" ]; then
        echo "FAIL: expected one package, found: $*" >&2
        exit 1
    fi
    deb=$1
fi

# Informational tags (I:) and pedantic ones are not failures, and neither are the overridden ones
# (--show-overrides would count those too).
if ! lintian --fail-on error,warning --tag-display-limit 0 "$deb"; then
    echo "FAIL: lintian reports errors or warnings on ${deb##*/}" >&2
    exit 1
fi
echo "package_lintian: ${deb##*/} passes lintian"
