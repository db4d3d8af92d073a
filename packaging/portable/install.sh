#!/bin/sh
# Installs the tarvel agent from this tarball where its .deb and .rpm put it, enables its service,
# and removes it again.
#
#   install.sh [--root DIR]              install (or upgrade) into DIR (default /)
#   install.sh [--root DIR] --remove     remove; configuration, logs and state stay
#   install.sh [--root DIR] --purge      remove everything, as a purge of the .deb does
#
# Files under etc/ are configuration: an upgrade keeps a file the administrator changed and puts
# the new one beside it as FILE.new. The list of what was installed is kept in
# usr/share/tarvel/manifest, with a copy of this script, so that removing needs no tarball.
# Into the running system (DIR /) with systemd running, the service is enabled and started on a
# first installation and stopped on removal; into an image (any other DIR, or no systemd) it is
# only enabled, so that the machine provisions itself on its first boot.
set -eu
umask 022

root=/
action=install
while [ $# -gt 0 ]; do
    case "$1" in
        --root) [ $# -ge 2 ] || { echo "install.sh: --root needs a directory" >&2; exit 2; }; root=$2; shift ;;
        --root=*) root=${1#--root=} ;;
        --remove) action=remove ;;
        --purge) action=purge ;;
        -h | --help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "usage: install.sh [--root DIR] [--remove | --purge]" >&2; exit 2 ;;
    esac
    shift
done
[ -d "$root" ] || { echo "install.sh: $root is not a directory" >&2; exit 1; }
root=$(cd "$root" && pwd)
[ "$root" = / ] && base="" || base=$root
here=$(cd "$(dirname "$0")" && pwd)
manifest=$base/usr/share/tarvel/manifest
unit=@TARVEL_SYSTEMD_UNIT_DIR@/tarvel.service
wants=$base/etc/systemd/system/multi-user.target.wants/tarvel.service
live=no
[ -z "$base" ] && [ -d /run/systemd/system ] && command -v systemctl >/dev/null 2>&1 && live=yes

# make_dirs DIRECTORY: creates it and the directories above it that are missing, and lists them
# (relative to the root) in $list, for removal.
make_dirs() {
    [ -z "$1" ] || [ -d "$1" ] && return 0
    make_dirs "${1%/*}"
    mkdir -m 0755 "$1"
    echo "${1#$base/}" >>"$list"
}

if [ "$action" = install ]; then
    [ -d "$here/files" ] || { echo "install.sh: no files/ beside this script: run it from the unpacked tarball" >&2; exit 1; }
    # A first installation, or one after a removal: the service is enabled then.
    first=yes
    [ -f "$base@TARVEL_PROGRAM@" ] && first=no
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT
    [ ! -f "$manifest" ] || cp "$manifest" "$list"
    # Directories first, with their modes (the logs, scripts and state directories are not for
    # other users); an existing directory keeps its owner and mode. Only the directories made
    # here are listed for removal: /usr or /etc/default are never removed.
    (cd "$here/files" && find . -mindepth 1 -type d | sort) | while IFS= read -r dir; do
        dir=${dir#./}
        if [ ! -d "$base/$dir" ]; then
            install -d -m "$(stat -c %a "$here/files/$dir")" "$base/$dir"
            echo "$dir" >>"$list"
        fi
    done
    (cd "$here/files" && find . -type f | sort) | while IFS= read -r file; do
        file=${file#./}
        mode=$(stat -c %a "$here/files/$file")
        case "$file" in
            etc/*)
                # (cksum, not cmp: coreutils is on every guest, diffutils not on minimal ones.)
                if [ -f "$base/$file" ] && [ "$(cksum <"$here/files/$file")" != "$(cksum <"$base/$file")" ]; then
                    install -m "$mode" "$here/files/$file" "$base/$file.new"
                    echo "install.sh: kept the changed $file; the new one is $file.new"
                    continue
                fi
                ;;
        esac
        # A new file beside the old one, then rename: a running agent keeps its program intact.
        install -m "$mode" "$here/files/$file" "$base/$file.tarvel-new"
        mv -f "$base/$file.tarvel-new" "$base/$file"
    done
    make_dirs "${manifest%/*}"
    echo usr/share/tarvel/install.sh >>"$list"
    (cd "$here/files" && find . -type f | sed 's|^\./||') >>"$list"
    sort -u "$list" >"$manifest.tmp"
    mv -f "$manifest.tmp" "$manifest"
    install -m 0755 "$here/install.sh" "${manifest%/*}/install.sh"
    # The agent's network child runs as this system user (as "nobody" while it is missing). Like
    # the distributions' system users, it stays on removal and purge.
    if ! grep -q '^tarvel:' "$base/etc/passwd" 2>/dev/null; then
        if [ ! -f "$base/etc/passwd" ] || ! { systemd-sysusers --root="$root" "$base@TARVEL_SYSUSERS_FILE@" ||
            useradd --root "$root" --system --user-group --comment "tarvel agent network child" \
                --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin tarvel; } >/dev/null 2>&1; then
            echo "install.sh: no user tarvel in $root: the agent's network child runs as nobody there"
        fi
    fi
    # Enabled on a first installation only: an administrator's "disable" survives an upgrade.
    if [ "$first" = yes ]; then
        make_dirs "${wants%/*}"
        ln -sf "$unit" "$wants"
        sort -u "$list" >"$manifest"
    fi
    if [ "$live" = yes ]; then
        systemctl daemon-reload || true
        # An upgrade leaves a running service alone: each agent run starts the new program.
        [ "$first" = no ] || systemctl start tarvel.service || true
    fi
    echo "install.sh: tarvel installed into $root"
    exit 0
fi

[ -f "$manifest" ] || { echo "install.sh: tarvel is not installed in $root (no ${manifest#$base})" >&2; exit 1; }
[ "$live" = no ] || systemctl stop tarvel.service || true
rm -f "$wants"
list=$(mktemp)
kept=$(mktemp)
trap 'rm -f "$list" "$kept"' EXIT
# Everything but the manifest and the copy of this script, which a removal keeps for a later
# --purge. Files first, deepest directories last; a directory that still holds something stays,
# and so does the configuration unless purged. What stays is listed in the manifest again.
grep -v '^usr/share/tarvel\(/.*\)\{0,1\}$' "$manifest" | sort -r >"$list"
while IFS= read -r path; do
    case "$action:$path" in
        remove:etc/tarvel | remove:etc/tarvel/* | remove:etc/*/*) echo "$path" >>"$kept"; continue ;;
    esac
    if [ -f "$base/$path" ] || [ -L "$base/$path" ]; then
        rm -f "$base/$path"
    elif [ -d "$base/$path" ]; then
        rmdir "$base/$path" 2>/dev/null || echo "$path" >>"$kept"
    fi
done <"$list"
if [ "$action" = remove ]; then
    grep '^usr/share/tarvel\(/.*\)\{0,1\}$' "$manifest" >>"$kept" || true
    sort -u "$kept" >"$manifest.tmp"
    mv -f "$manifest.tmp" "$manifest"
else
    # As the .deb's purge: the logs, the agent's state and the marker go; the administrator's task
    # directories under the script root stay.
    rm -rf "$base@TARVEL_LOG_DIR@" "$base@TARVEL_AGENT_STATE_DIR@"
    rm -f "$base@TARVEL_MARKER@"
    rmdir "$base@TARVEL_SCRIPT_ROOT@" "$base@TARVEL_STATE_DIR@" 2>/dev/null || true
    rm -f "$manifest" "${manifest%/*}/install.sh"
    # The directories install.sh made that are empty now, deepest first (usr/share/tarvel too).
    (cat "$kept"; grep -x 'usr/share/tarvel\|usr/share\|usr' "$list" || true; echo usr/share/tarvel) | sort -ru \
        | while IFS= read -r path; do
            [ ! -d "$base/$path" ] || rmdir "$base/$path" 2>/dev/null || true
        done
fi
[ "$live" = no ] || systemctl daemon-reload || true
echo "install.sh: tarvel ${action}d: $root"
