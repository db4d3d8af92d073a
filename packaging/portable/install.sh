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

if [ "$action" = install ]; then
    [ -d "$here/files" ] || { echo "install.sh: no files/ beside this script: run it from the unpacked tarball" >&2; exit 1; }
    first=yes
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT
    if [ -f "$manifest" ]; then
        first=no
        cp "$manifest" "$list"
    fi
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
                if [ -f "$base/$file" ] && ! cmp -s "$here/files/$file" "$base/$file"; then
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
    if [ ! -d "${manifest%/*}" ]; then
        mkdir -p "${manifest%/*}"
        echo "${manifest#$base/}" | sed 's|/manifest$||' >>"$list"
    fi
    (cd "$here/files" && find . -type f | sed 's|^\./||') >>"$list"
    sort -u "$list" >"$manifest.tmp"
    mv -f "$manifest.tmp" "$manifest"
    install -m 0755 "$here/install.sh" "${manifest%/*}/install.sh"
    # Enabled on a first installation only: an administrator's "disable" survives an upgrade.
    if [ "$first" = yes ]; then
        mkdir -p "${wants%/*}"
        ln -sf "$unit" "$wants"
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
rmdir "${wants%/*}" 2>/dev/null || true
# Files first, deepest directories last; directories that still hold something stay.
sort -r "$manifest" | while IFS= read -r path; do
    case "$path" in
        etc/*) [ "$action" = purge ] || continue ;;
    esac
    if [ -f "$base/$path" ] || [ -L "$base/$path" ]; then
        rm -f "$base/$path"
    elif [ -d "$base/$path" ]; then
        rmdir "$base/$path" 2>/dev/null || true
    fi
done
if [ "$action" = purge ]; then
    # As the .deb's purge: the logs, the agent's state and the marker go; the administrator's task
    # directories under the script root stay.
    rm -rf "$base@TARVEL_LOG_DIR@" "$base@TARVEL_AGENT_STATE_DIR@"
    rm -f "$base@TARVEL_MARKER@"
    rmdir "$base@TARVEL_SCRIPT_ROOT@" "$base@TARVEL_STATE_DIR@" 2>/dev/null || true
    find "$base@TARVEL_CONFIG_DIR@" -depth -type d -empty -delete 2>/dev/null || true
fi
rm -f "$manifest" "${manifest%/*}/install.sh"
rmdir "${manifest%/*}" 2>/dev/null || true
[ "$live" = no ] || systemctl daemon-reload || true
echo "install.sh: tarvel removed from $root"
