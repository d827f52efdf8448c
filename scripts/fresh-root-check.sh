#!/usr/bin/env bash
# Checks the README's promise on a machine where nothing is installed: makes a bare Debian 12
# root (debootstrap, minbase), clones this checkout's committed HEAD into /root/tonvexa in it and
# runs the README's two commands there as written, as root, with an empty environment. Prints the
# time each command took; fails when either fails.
#   usage: scripts/fresh-root-check.sh [--no-warnings]     (as root, or through sudo)
# --no-warnings also fails when the build there printed a compiler warning (CI asks for it, since
# the README's commands build without -Werror).
# The package mirror is the host's, read from its apt sources (FRESH_ROOT_MIRROR overrides it).
# The bare root is kept as a tarball in /var/cache/tonvexa, one per suite and mirror, so that the
# next run skips debootstrap; what the project's scripts install is never kept.
set -euo pipefail
cd "$(dirname "$0")/.."

suite=bookworm
cache_dir=/var/cache/tonvexa
cache_days=30
checkout=/root/tonvexa
fresh_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
no_warnings=0
case "${1:-}" in
    --no-warnings) no_warnings=1 ;;
    "") ;;
    *) echo "usage: $0 [--no-warnings]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }
    exec sudo "$0" "$@"
fi
for tool in debootstrap git chroot; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 1; }
done

# The first http(s) URI that serves the suite, from one-line and deb822 sources alike.
host_mirror() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" '
            $1 == "deb" {
                i = 2
                if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                if ($(i + 1) == suite && $i ~ /^https?:\/\//) { print $i; exit }
            }' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" '
            function stanza_end(   n, u, i) {
                if (enabled && (" " field["types"] " ") ~ / deb / &&
                    (" " field["suites"] " ") ~ (" " suite " ")) {
                    n = split(field["uris"], u, " ")
                    for (i = 1; i <= n; i++) if (u[i] ~ /^https?:\/\//) { print u[i]; exit }
                }
                delete field; enabled = 1
            }
            BEGIN { enabled = 1 }
            /^#/ { next }
            /^[ \t]*$/ { stanza_end(); next }
            /^[ \t]/ { field[key] = field[key] " " $0; next }
            {
                key = tolower($1); sub(/:$/, "", key)
                value = $0; sub(/^[^:]*:[ \t]*/, "", value); field[key] = value
                if (key == "enabled") enabled = (tolower(value) != "no")
            }
            END { stanza_end() }' "$file"
    done
}

mirror=${FRESH_ROOT_MIRROR:-$(host_mirror | head -n 1)}
if [ -z "$mirror" ]; then
    echo "no http(s) mirror for $suite in the host's apt sources; set FRESH_ROOT_MIRROR" >&2
    exit 1
fi

work=$(mktemp -d /var/tmp/tonvexa-fresh-root.XXXXXX)
root="$work/root"
mkdir "$root"

# Ends whatever still runs inside the root (an X server a test left behind), unmounts and
# removes it. Nothing is removed while something is still mounted inside.
cleanup() {
    local status=$?
    set +e
    local link pid
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] || continue
        pid=${link#/proc/}
        pid=${pid%/root}
        kill -KILL "$pid" 2>/dev/null
    done
    for mounted in "$root/dev" "$root/proc"; do
        if mountpoint -q "$mounted"; then
            umount -R "$mounted" 2>/dev/null || umount -R -l "$mounted"
        fi
    done
    if grep -q " $root/" /proc/mounts; then
        echo "still mounted below $root; left in place" >&2
    else
        rm -rf --one-file-system "$work"
    fi
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

timed() {
    local label=$1 started=$SECONDS
    shift
    "$@"
    echo "== $label: $((SECONDS - started)) s"
}

# --- the bare root ---------------------------------------------------------------------------
key=$(printf '%s %s' "$suite" "$mirror" | sha256sum | cut -c1-16)
tarball="$cache_dir/fresh-root-$suite-$key.tar"
make_root() {
    local include=()
    # apt needs the certificates to reach an https mirror.
    [[ $mirror == https://* ]] && include=(--include=ca-certificates)
    debootstrap --variant=minbase "${include[@]}" "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 30 "$work/debootstrap.log" >&2; echo "debootstrap failed" >&2; return 1; }
    # No service starts inside the root while packages are installed.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    mkdir -p "$cache_dir"
    tar -C "$root" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
}
if [ -f "$tarball" ] && [ -n "$(find "$tarball" -mtime -"$cache_days")" ]; then
    timed "unpacking the bare $suite root from $tarball" tar -C "$root" -xf "$tarball"
else
    timed "making a bare $suite root from $mirror (debootstrap --variant=minbase)" make_root
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"

# --- the checkout, as a clean clone of what is committed ---------------------------------------
head=$(git rev-parse HEAD)
git clone --quiet --no-checkout "$PWD" "$root$checkout"
git -C "$root$checkout" checkout --quiet --detach "$head"
echo "== cloned $head into $checkout"

# --- the README's commands -------------------------------------------------------------------
# The commands exactly as the README gives them; bash's time keyword reports each one.
started=$SECONDS
if chroot "$root" env -i HOME=/root PATH="$fresh_path" \
    bash -c "cd $checkout && time ./test.sh && time ./run.sh" 2>&1 | tee "$work/output.log"; then
    [ -f "$root$checkout/tonvexa-screenshot.png" ] || { echo "FAIL: ./run.sh saved no screenshot" >&2; exit 1; }
    if [ "$no_warnings" = 1 ] && grep -E '^[^ ]+:[0-9]+:[0-9]+: warning: ' "$work/output.log" >&2; then
        echo "FAIL: the build printed compiler warnings (above)" >&2
        exit 1
    fi
    echo "== ./test.sh && ./run.sh passed in a fresh $suite root: $((SECONDS - started)) s"
else
    status=$?
    echo "FAIL: ./test.sh && ./run.sh in a fresh $suite root (exit $status) after $((SECONDS - started)) s" >&2
    exit 1
fi
