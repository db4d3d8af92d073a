#!/bin/sh
# Checks what tools/build-portable wrote: a program that needs no library and no GLIBC_ version
# and behaves as the ordinary build does, and the tarball, .deb and .rpm made from it (their
# contents, the packagers' own checkers (lintian, rpmlint), and install.sh installing and removing the tarball's
# files in a scratch root).
# Usage: portable_build.sh DIST_DIR ORDINARY_PROGRAM SOURCE_DIR
set -u
export LC_ALL=C

dist=$(cd "$1" && pwd)
ordinary=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
source_dir=$(cd "$3" && pwd)
tmp=$(mktemp -d) && [ -n "$tmp" ] && [ -d "$tmp" ] || { echo "portable_build.sh: no temporary directory" >&2; exit 1; }
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

program=$dist/tarvel
[ -x "$program" ] || { echo "FAIL: no program $program: run tools/build-portable first" >&2; exit 1; }

# --- The program -----------------------------------------------------------------------------
case "$(file -b "$program")" in
    *"statically linked"*) ;;
    *) fail "file does not call $program statically linked: $(file -b "$program")" ;;
esac
if ldd "$program" >"$tmp/ldd" 2>&1; then
    fail "ldd finds libraries: $(cat "$tmp/ldd")"
fi
readelf -lW "$program" | grep -q INTERP && fail "the program asks for a dynamic loader"
readelf -dW "$program" | grep -q NEEDED && fail "the program names libraries it needs"
readelf -VW "$program" | grep -q 'GLIBC_' && fail "the program requires GLIBC_ versions"

version=$("$program" --version) || fail "--version fails"
expect "version of the portable program" "$("$ordinary" --version)" "$version"

# The same work item, with an encrypted property, through both programs: the decrypted
# properties the scripts see are the same (the same AES key and IV are built in).
for build in ordinary portable; do
    mkdir -p "$tmp/$build/scripts/Setup"
    cp "$source_dir"/examples/scripts/Setup/* "$tmp/$build/scripts/Setup/"
    printf '#!/bin/sh\ncp properties.xml ../../seen.xml\n' >"$tmp/$build/scripts/Setup/03_keep.sh"
    chmod 0755 "$tmp/$build/scripts" "$tmp/$build/scripts/Setup" "$tmp/$build"/scripts/Setup/*
    cp -r "$source_dir/examples/conf" "$tmp/$build/conf"
done
(cd "$tmp/ordinary" && "$ordinary" --name agent-1 --workitem "$source_dir/examples/workitem.xml" \
    --script scripts --config conf/tarvel.properties --response response.xml >out 2>log) \
    || fail "the ordinary program fails on the example: $(cat "$tmp/ordinary/log")"
(cd "$tmp/portable" && "$program" --name agent-1 --workitem "$source_dir/examples/workitem.xml" \
    --script scripts --config conf/tarvel.properties --response response.xml >out 2>log) \
    || fail "the portable program fails on the example: $(cat "$tmp/portable/log")"
grep -q 'name="adminpassword"' "$tmp/portable/seen.xml" 2>/dev/null || fail "no decrypted property in the portable run"
cmp -s "$tmp/ordinary/seen.xml" "$tmp/portable/seen.xml" || fail "the two programs decrypt differently"
cmp -s "$tmp/ordinary/response.xml" "$tmp/portable/response.xml" || fail "the two programs answer differently"

# --- The packages ----------------------------------------------------------------------------
tarball=$dist/tarvel-$version-linux-x86_64.tar.gz
deb=$dist/tarvel_${version}_amd64.deb
rpm=$dist/tarvel-$version-1.x86_64.rpm
for file in "$tarball" "$deb" "$rpm"; do
    [ -f "$file" ] || { echo "FAIL: $file is missing" >&2; exit 1; }
done

# The files every package holds, relative to the root (directories of their own included).
payload="etc/default/tarvel
etc/logrotate.d/tarvel
etc/tarvel/axis2/axis2.xml
etc/tarvel/config.xml
etc/tarvel/tarvel.properties
usr/lib/systemd/system/tarvel.service
usr/lib/sysusers.d/tarvel.conf
usr/sbin/tarvel
usr/sbin/tarvel-provision
usr/share/doc/tarvel/changelog.gz
usr/share/doc/tarvel/copyright
usr/share/man/man8/tarvel-provision.8.gz
usr/share/man/man8/tarvel.8.gz
var/lib/tarvel/scripts
var/lib/tarvel/state
var/log/tarvel"

dpkg-deb -c "$deb" >"$tmp/deb.list" || fail "dpkg-deb -c"
# files_and_private_dirs: from lines "MODE PATH", the paths of what is not a directory and of the
# directories of the agent's own (relative, sorted).
files_and_private_dirs() {
    awk '$1 !~ /^d/ || $2 ~ /var\/(lib\/tarvel\/(scripts|state)|log\/tarvel)\/?$/ {print $2}' \
        | sed 's|^\./||; s|^/||; s|/$||' | sort
}
expect ".deb files" "$(printf '%s\nusr/share/lintian/overrides/tarvel\n' "$payload" | sort)" \
    "$(awk '{print $1, $6}' "$tmp/deb.list" | files_and_private_dirs)"
dpkg-deb -I "$deb" >"$tmp/deb.info" || fail "dpkg-deb -I"
expect ".deb Depends (none: the program loads no library)" "" "$(dpkg-deb -f "$deb" Depends)"
expect ".deb version" "$version" "$(dpkg-deb -f "$deb" Version)"
dpkg-deb -x "$deb" "$tmp/deb-root"
cmp -s "$tmp/deb-root/usr/sbin/tarvel" "$program" || fail "the .deb carries another program"

sh "$source_dir/tests/packaging/package_lintian.sh" --deb "$deb" >"$tmp/lintian" 2>&1 \
    || fail "lintian on the portable .deb: $(cat "$tmp/lintian")"

rpm -qpl "$rpm" >"$tmp/rpm.list" 2>"$tmp/rpm.err" || fail "rpm -qpl: $(cat "$tmp/rpm.err")"
expect ".rpm files" "$(printf '%s\nusr/share/lintian/overrides/tarvel\n' "$payload" | sort)" \
    "$(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm" 2>/dev/null | files_and_private_dirs)"
rpm -qpi "$rpm" >"$tmp/rpm.info" 2>&1 || fail "rpm -qpi: $(cat "$tmp/rpm.info")"
expect ".rpm version" "$version" "$(rpm -qp --qf '%{VERSION}' "$rpm" 2>/dev/null)"
expect ".rpm configuration files" "/etc/default/tarvel
/etc/logrotate.d/tarvel
/etc/tarvel/axis2/axis2.xml
/etc/tarvel/config.xml
/etc/tarvel/tarvel.properties" "$(rpm -qpc "$rpm" 2>/dev/null | sort)"
expect ".rpm modes of the private paths" "0640 /etc/tarvel/axis2/axis2.xml
0750 /var/lib/tarvel/scripts
0700 /var/lib/tarvel/state
0750 /var/log/tarvel" "$(rpm -qp --qf '[%{FILEMODES:octal} %{FILENAMES}\n]' "$rpm" 2>/dev/null \
    | grep -E ' (/etc/tarvel/axis2/axis2.xml|/var/lib/tarvel/(scripts|state)|/var/log/tarvel)$' \
    | sed 's/^[0-9]*\([0-7][0-7][0-7][0-7]\) /\1 /' | sed 's/^0*\([0-7]\{3\}\) /0\1 /' | sort -k2)"
requires=$(rpm -qpR "$rpm" 2>/dev/null | grep -v '^rpmlib(' | grep -v '^/bin/sh$' | sort -u)
expect ".rpm requires no library" "" "$requires"
rpm -qp --scripts "$rpm" >"$tmp/rpm.scripts" 2>/dev/null
for scriptlet in postinstall preuninstall postuninstall; do
    grep -q "^$scriptlet scriptlet" "$tmp/rpm.scripts" || fail "the .rpm has no $scriptlet scriptlet"
done
grep -q 'systemctl --no-reload enable tarvel.service' "$tmp/rpm.scripts" || fail "the .rpm does not enable the service"

if command -v rpmlint >/dev/null 2>&1; then
    # No error, and no warning either: what is let through is filtered, with its reason.
    if ! rpmlint -r "$source_dir/packaging/rpm/tarvel.rpmlintrc" "$rpm" >"$tmp/rpmlint" 2>&1 \
        || grep -q ': [EW]: ' "$tmp/rpmlint"; then
        cat "$tmp/rpmlint" >&2
        fail "rpmlint reports errors or warnings"
    fi
else
    fail "rpmlint is missing: run tools/install-dependencies --test"
fi

# --- install.sh into a scratch root, an upgrade that keeps a changed configuration file, removal
tar -C "$tmp" -xzf "$tarball" || fail "the tarball does not unpack"
unpacked=$tmp/tarvel-$version-linux-x86_64
[ -f "$unpacked/copyright" ] || fail "the tarball carries no copyright file"
scratch=$tmp/scratch
mkdir "$scratch"
sh "$unpacked/install.sh" --root "$scratch" >"$tmp/install.log" 2>&1 || fail "install.sh: $(cat "$tmp/install.log")"
expect "what install.sh installs" "0644 etc/default/tarvel
0644 etc/logrotate.d/tarvel
0777 etc/systemd/system/multi-user.target.wants/tarvel.service
0640 etc/tarvel/axis2/axis2.xml
0644 etc/tarvel/config.xml
0644 etc/tarvel/tarvel.properties
0644 usr/lib/systemd/system/tarvel.service
0644 usr/lib/sysusers.d/tarvel.conf
0755 usr/sbin/tarvel
0755 usr/sbin/tarvel-provision
0644 usr/share/doc/tarvel/changelog.gz
0644 usr/share/doc/tarvel/copyright
0644 usr/share/man/man8/tarvel-provision.8.gz
0644 usr/share/man/man8/tarvel.8.gz
0755 usr/share/tarvel/install.sh
0644 usr/share/tarvel/manifest
0750 var/lib/tarvel/scripts
0700 var/lib/tarvel/state
0750 var/log/tarvel" "$(cd "$scratch" && find . \( -type f -o -type l -o -type d -empty \) -printf '%#m %P\n' | sort -k2)"
expect "the enabled unit" "/usr/lib/systemd/system/tarvel.service" \
    "$(readlink "$scratch/etc/systemd/system/multi-user.target.wants/tarvel.service")"
cmp -s "$scratch/usr/sbin/tarvel" "$program" || fail "install.sh installed another program"

# An upgrade: a changed configuration file stays, the new one goes beside it; the agent's state
# and logs are untouched, and a "disable" of the administrator is kept.
echo "# changed" >>"$scratch/etc/tarvel/tarvel.properties"
echo "kept" >"$scratch/var/lib/tarvel/state/outbox-entry"
rm "$scratch/etc/systemd/system/multi-user.target.wants/tarvel.service"
sh "$unpacked/install.sh" --root "$scratch" >"$tmp/upgrade.log" 2>&1 || fail "install.sh upgrade: $(cat "$tmp/upgrade.log")"
grep -q '^# changed' "$scratch/etc/tarvel/tarvel.properties" || fail "the upgrade overwrote a changed configuration file"
cmp -s "$scratch/etc/tarvel/tarvel.properties.new" "$unpacked/files/etc/tarvel/tarvel.properties" \
    || fail "the upgrade did not put the new configuration file beside the changed one"
[ -f "$scratch/var/lib/tarvel/state/outbox-entry" ] || fail "the upgrade lost the agent's state"
[ -e "$scratch/etc/systemd/system/multi-user.target.wants/tarvel.service" ] \
    && fail "the upgrade enabled the service again"

# Removal keeps configuration, logs and state; a purge (from the copy install.sh keeps) leaves
# only the administrator's task directories and what was not the package's.
mkdir "$scratch/var/lib/tarvel/scripts/T"
sh "$unpacked/install.sh" --root "$scratch" --remove >"$tmp/remove.log" 2>&1 || fail "install.sh --remove: $(cat "$tmp/remove.log")"
[ -e "$scratch/usr/sbin/tarvel" ] && fail "--remove left the program"
[ -f "$scratch/etc/tarvel/config.xml" ] || fail "--remove removed the configuration"
[ -f "$scratch/var/lib/tarvel/state/outbox-entry" ] || fail "--remove removed the agent's state"
sh "$unpacked/install.sh" --root "$scratch" >/dev/null 2>&1 || fail "install.sh after --remove"
sh "$scratch/usr/share/tarvel/install.sh" --root "$scratch" --purge >"$tmp/purge.log" 2>&1 \
    || fail "install.sh --purge: $(cat "$tmp/purge.log")"
expect "what a purge leaves" "etc/tarvel/tarvel.properties.new
var/lib/tarvel/scripts/T" "$(cd "$scratch" && find . \( -type f -o -type l -o -type d -empty \) -printf '%P\n' | sort)"

# The network child's system user: made in a root that has user files (none above), kept on purge.
users=$tmp/users
mkdir -p "$users/etc"
printf 'root:x:0:0:root:/root:/bin/sh\nnobody:x:65534:65534:nobody:/nonexistent:/usr/sbin/nologin\n' \
    >"$users/etc/passwd"
printf 'root:x:0:\nnogroup:x:65534:\n' >"$users/etc/group"
sh "$unpacked/install.sh" --root "$users" >"$tmp/users.log" 2>&1 || fail "install.sh with users: $(cat "$tmp/users.log")"
grep -q '^tarvel:[^:]*:[1-9][0-9]*:[1-9][0-9]*:[^:]*:/nonexistent:' "$users/etc/passwd" \
    || fail "install.sh made no system user tarvel: $(cat "$users/etc/passwd")"
grep -q 'no user tarvel' "$tmp/install.log" || fail "install.sh did not say that the root without users gets none"
sh "$users/usr/share/tarvel/install.sh" --root "$users" --purge >/dev/null 2>&1 || fail "install.sh --purge with users"
grep -q '^tarvel:' "$users/etc/passwd" || fail "the purge removed the system user"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "portable_build: all checks passed"
