#!/bin/sh
# Builds the Debian package from the build tree, unpacks it into a throw-away root and checks
# what a machine would get: the files, the conffiles, the control fields, a working program, a
# unit that systemd accepts and man pages that render.
# Usage: package_layout.sh BUILD_DIR INSTALL_PREFIX
set -u
export LC_ALL=C

build=$1
prefix=$2
if [ "$prefix" != /usr ]; then
    echo "SKIP: the package layout is checked for the prefix /usr; this tree uses $prefix"
    exit 77
fi
tmp=$(mktemp -d) && [ -n "$tmp" ] && [ -d "$tmp" ] || { echo "package_layout.sh: no temporary directory" >&2; exit 1; }
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect WHAT EXPECTED ACTUAL
expect() {
    if [ "$2" != "$3" ]; then
        fail "$1"
        printf 'expected:\n%s\nactual:\n%s\n' "$2" "$3" >&2
    fi
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
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
root=$tmp/root
dpkg-deb -x "$deb" "$root" && dpkg-deb -e "$deb" "$root/DEBIAN" || exit 1

# Every file and empty directory with its mode: nothing else (no test) is packaged.
expect "packaged files" "0644 ./etc/default/tarvel
0644 ./etc/logrotate.d/tarvel
0640 ./etc/tarvel/axis2/axis2.xml
0644 ./etc/tarvel/config.xml
0644 ./etc/tarvel/tarvel.properties
0644 ./lib/systemd/system/tarvel.service
0644 ./usr/lib/sysusers.d/tarvel.conf
0755 ./usr/sbin/tarvel
0755 ./usr/sbin/tarvel-provision
0644 ./usr/share/doc/tarvel/changelog.gz
0644 ./usr/share/doc/tarvel/copyright
0644 ./usr/share/lintian/overrides/tarvel
0644 ./usr/share/man/man8/tarvel-provision.8.gz
0644 ./usr/share/man/man8/tarvel.8.gz
0750 ./var/lib/tarvel/scripts
0700 ./var/lib/tarvel/state
0750 ./var/log/tarvel" "$(cd "$root" && find . -path ./DEBIAN -prune -o \( -type f -o -type d -empty \) \
    -printf '%#m %p\n' | sort -k2)"

expect "conffiles" "/etc/default/tarvel
/etc/logrotate.d/tarvel
/etc/tarvel/axis2/axis2.xml
/etc/tarvel/config.xml
/etc/tarvel/tarvel.properties" "$(sort "$root/DEBIAN/conffiles")"

# Every configured file names real paths.
if grep -l '@[A-Z_]*@' "$root/usr/sbin/tarvel-provision" "$root/etc/default/tarvel" \
    "$root/etc/tarvel/tarvel.properties" "$root/lib/systemd/system/tarvel.service" \
    "$root"/DEBIAN/post* "$root/DEBIAN/prerm" >&2; then
    fail "placeholders left in the files above"
fi
# The agent is told to keep its state in the directory the package made for it.
expect "the agent's state directory" "tarvel.state = /var/lib/tarvel/state" \
    "$(grep '^tarvel\.state' "$root/etc/tarvel/tarvel.properties")"

for script in "$root"/DEBIAN/postinst "$root"/DEBIAN/prerm "$root"/DEBIAN/postrm "$root/usr/sbin/tarvel-provision"; do
    sh -n "$script" || fail "$script is not valid sh"
done

# A purge, run on the unpacked root (without systemd), removes the logs, the marker and the
# agent's state with everything in it, and keeps the administrator's task directories.
mkdir -p "$root/var/lib/tarvel/state/rejected" "$root/var/lib/tarvel/scripts/T"
touch "$root/var/lib/tarvel/state/rejected/17.xml" "$root/var/lib/tarvel/state/lock" \
    "$root/var/lib/tarvel/provisioned" "$root/var/log/tarvel/tarvel.log" \
    "$root/var/lib/tarvel/scripts/T/01_setup.sh"
sed -e "s|/var/|$root/var/|g" -e "s|command -v deb-systemd-helper|command -v $tmp/absent|" \
    -e "s|/run/systemd/system|$tmp/absent|" "$root/DEBIAN/postrm" >"$tmp/postrm"
sh "$tmp/postrm" purge || fail "postrm purge failed"
expect "what a purge leaves" "./var
./var/lib
./var/lib/tarvel
./var/lib/tarvel/scripts
./var/lib/tarvel/scripts/T
./var/lib/tarvel/scripts/T/01_setup.sh
./var/log" "$(cd "$root" && find ./var | sort)"

# The packaged program runs, and the package carries its version.
version=$("$root/usr/sbin/tarvel" --version) || fail "the packaged program does not run"
expect "package version" "$version" "$(dpkg-deb -f "$deb" Version)"
expect "package name and section" "tarvel admin" "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libpocofoundation80 libpocoutil80 libpocoxml80 libpoconet80 libpoconetssl80 libssl3; do
    case ", $depends" in
        *", $library "* | *", $library,"* | *", $library") ;;
        *) fail "Depends lacks $library: $depends" ;;
    esac
done
expect "Recommends" "dmidecode" "$(dpkg-deb -f "$deb" Recommends)"

# The changelog's newest entry is this version, in Debian's format for a native package.
expect "changelog heading" "tarvel ($version) unstable; urgency=medium" \
    "$(gzip -dc "$root/usr/share/doc/tarvel/changelog.gz" | head -n 1)"
expect "copyright format" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$(head -n 1 "$root/usr/share/doc/tarvel/copyright")"

# systemd-analyze checks the executable of ExecStart on this machine, so it verifies a copy of
# the unit that points into the unpacked root; it reports problems as output, not as status.
if command -v systemd-analyze >/dev/null 2>&1 \
    && printf '[Service]\nExecStart=/bin/true\n' >"$tmp/probe.service" \
    && [ -z "$(systemd-analyze verify "$tmp/probe.service" 2>&1)" ]; then
    mkdir "$tmp/unit"
    sed "s|^ExecStart=|ExecStart=$root|" "$root/lib/systemd/system/tarvel.service" >"$tmp/unit/tarvel.service"
    if ! report=$(MANPATH="$root/usr/share/man" systemd-analyze verify "$tmp/unit/tarvel.service" 2>&1) \
        || [ -n "$report" ]; then
        fail "systemd-analyze verify: $report"
    fi
else
    echo "SKIP: systemd-analyze is missing or does not work here; the unit is not verified"
fi

if command -v man >/dev/null 2>&1; then
    for page in "$root"/usr/share/man/man8/*.8.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "${page##*/} renders with warnings: $warnings"
    done
else
    echo "SKIP: man is missing; the man pages are not rendered"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package_layout: all checks passed"
