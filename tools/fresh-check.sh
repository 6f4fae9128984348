#!/usr/bin/env bash
# Proves the README's two commands on a machine that has nothing. Builds a minimal Debian 12
# root with mmdebstrap (minbase, plus git, make and ca-certificates, from the host's apt sources
# and settings, trusting the certificate authorities the host adds), clones the current commit
# into it with ../shared beside it, runs `make test` there, then `make run` under a virtual
# display until the window titled "Tenvo宠物成长计算器0.5" appears. Prints each step's time and, last, `fresh-check: passed` or
# `fresh-check: FAILED at <step>`. Needs root: mmdebstrap, bind mounts and chroot.
# Usage: tools/fresh-check.sh   (make fresh-check installs mmdebstrap first)
set -euo pipefail
cd "$(dirname "$0")/.."

readonly title="Tenvo宠物成长计算器0.5"
readonly binds=(proc sys dev dev/pts)
source_tree=$(pwd)
shared=$(realpath ../shared)
root=$(mktemp -d /var/tmp/petcalc-fresh.XXXXXX)
step="setup"

mounted_inside() { awk -v root="$root" '$2 == root || index($2, root "/") == 1' /proc/mounts; }

# On every way out: stop whatever still runs inside, unbind in reverse order, and remove the
# root only once nothing is mounted in it (removing a root with /dev bound would delete the
# host's devices).
finish() {
  local status=$?
  set +e
  local pid
  for pid in /proc/[0-9]*; do
    [[ $(readlink "$pid/root" 2>/dev/null) == "$root" ]] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
  local i
  for ((i = ${#binds[@]} - 1; i >= 0; i--)); do
    mountpoint -q "$root/${binds[i]}" && umount "$root/${binds[i]}"
  done
  if [[ -n $(mounted_inside) ]]; then
    echo "fresh-check: still mounted, $root left in place:"
    mounted_inside
    status=1
  else
    rm -rf "$root"
  fi
  if [[ $status -eq 0 ]]; then echo "fresh-check: passed"; else echo "fresh-check: FAILED at $step"; fi
  exit "$status"
}
trap finish EXIT

timed() {
  step=$1
  shift
  local start=$SECONDS
  echo "fresh-check: $step"
  "$@"
  echo "fresh-check: $step took $((SECONDS - start)) s"
}

in_root() { chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 /bin/bash -c "$1"; }

bootstrap() {
  [[ $(id -u) -eq 0 ]] || { echo "fresh-check: needs root (mmdebstrap, mounts, chroot)"; return 1; }
  local sources=() options=() file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -s $file ]] && sources+=("$file")
  done
  for file in /etc/apt/apt.conf.d/*; do options+=("--aptopt=$file"); done
  mmdebstrap --quiet --variant=minbase --include=git,make,ca-certificates "${options[@]}" \
    bookworm "$root" "${sources[@]}"
  # The host's network as the host has it: its resolver, and the certificate authorities it
  # trusts beyond Debian's (a proxy's, say), through which npm reaches its registry.
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
  fi
}

clone() {
  mkdir -p "$root/work"
  git clone --quiet --no-local "$source_tree" "$root/work/main"
  git -C "$root/work/main" checkout --quiet "$(git rev-parse HEAD)"
  cp -r "$shared" "$root/work/shared"
  local bind
  for bind in "${binds[@]}"; do mount --bind "/$bind" "$root/$bind"; done
}

readme_test() { in_root 'cd /work/main && make test'; }

# make run, under a virtual display, until tools/find-window.sh sees the window.
readme_run() {
  in_root "cd /work/main && xvfb-run -a -s '-screen 0 1280x800x24 -noreset' bash -c '
    make run >/tmp/run.log 2>&1 &
    tools/find-window.sh \"$title\" 120 >/dev/null || { cat /tmp/run.log; exit 1; }
    echo \"fresh-check: the window \\\"$title\\\" appeared\"
  '"
}

timed "bootstrap" bootstrap
timed "clone" clone
timed "make test" readme_test
timed "make run" readme_run
