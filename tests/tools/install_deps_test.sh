#!/usr/bin/env bash
# Runs tools/install-deps.sh with stand-in dpkg-query, apt-get, npm, locale, locale-gen and sudo
# first on PATH, which record what they are asked. For every group: with nothing installed,
# apt-get is asked for every package the group's text names, and npm to install the lock file of
# each folder of npm tools the group names; with everything installed, for nothing. An unknown
# group is refused with exit 2 and a message naming it.
# Usage: tests/tools/install_deps_test.sh <tools/install-deps.sh>
set -euo pipefail

installer=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
export CALLS=$work/calls STATE=$work/state LOCALE_GEN_FILE=$work/locale.gen
# A tree of its own for the npm tools' folders, holding only their lock files.
export NPM_TOOLS_ROOT=$work/tree
mkdir -p "$NPM_TOOLS_ROOT"
(cd "$(dirname "$installer")/.." && cp --parents tools/npm/*/package-lock.json "$NPM_TOOLS_ROOT")
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
echo "dpkg-query $*" >>"$CALLS"
[ "$(cat "$STATE")" = all ] && printf 'install ok installed'
exit 0
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $*" >>"$CALLS"
STUB
cat >"$work/bin/npm" <<'STUB'
#!/bin/sh
echo "npm $*" >>"$CALLS"
STUB
cat >"$work/bin/locale" <<'STUB'
#!/bin/sh
[ "$(cat "$STATE")" = all ] && echo de_DE.utf8
exit 0
STUB
cat >"$work/bin/locale-gen" <<'STUB'
#!/bin/sh
echo "locale-gen" >>"$CALLS"
STUB
printf '#!/bin/sh\n"$@"\n' >"$work/bin/sudo"
chmod +x "$work"/bin/*
export PATH=$work/bin:$PATH

# The packages a group's text names, read from the installer's own source: every word between
# '[group]="' and the closing quote, however many lines it spans, in the table of Debian packages.
group_text() {
  sed '/^declare -A GROUPS_NPM/,$d' "$installer" | awk -v group="$1" '
    index($0, "[" group "]=\"") { on = 1; sub(/.*\]="/, "") }
    on { line = $0; if (sub(/".*/, "", line)) on = 2; print line; if (on == 2) exit }
  ' | tr -s ' \t' '\n' | grep -v '^$' | sort -u
}

# The folder of npm tools a group names, if any.
npm_folder() {
  sed -n '/^declare -A GROUPS_NPM/,/^)/p' "$installer" | sed -n "s/^ *\[$1\]=\"\(.*\)\"/\1/p"
}

failures=0
fail() { echo "install-deps test: $1"; failures=$((failures + 1)); }

mapfile -t groups < <(sed '/^declare -A GROUPS_NPM/,$d' "$installer" |
                      sed -n 's/^ *\[\([a-z]*\)\]=".*/\1/p')
[[ ${#groups[@]} -ge 6 ]] || fail "found only ${#groups[@]} groups in $installer"
for group in "${groups[@]}"; do
  expected=$(group_text "$group")
  [[ $(wc -l <<<"$expected") -ge 1 ]] || fail "$group: its text names no package"

  echo none >"$STATE"
  : >"$CALLS"
  : >"$LOCALE_GEN_FILE"
  "$installer" "$group" >/dev/null || fail "$group: exit $? with nothing installed"
  asked=$(sed -n 's/^apt-get install //p' "$CALLS" | tr ' ' '\n' | { grep -v '^-\|^$' || true; } |
          sort -u)
  [[ $asked == "$expected" ]] ||
    fail "$group: asked for [$(echo $asked)], its text names [$(echo $expected)]"
  grep -qx 'locale-gen' "$CALLS" || fail "$group: no locale generated with none present"
  folder=$(npm_folder "$group")
  if [[ -n $folder ]]; then
    grep -q "^npm ci --prefix .*/$folder " "$CALLS" || fail "$group: npm not asked to install $folder"
  else
    ! grep -q '^npm' "$CALLS" || fail "$group: npm asked though the group names no npm tools"
  fi
  grep -qx 'de_DE.UTF-8 UTF-8' "$LOCALE_GEN_FILE" || fail "$group: de_DE.UTF-8 not listed"

  echo all >"$STATE"
  : >"$CALLS"
  for folder in "$NPM_TOOLS_ROOT"/tools/npm/*/; do
    mkdir -p "$folder/node_modules"
    cp "$folder/package-lock.json" "$folder/node_modules/.petcalc-lock"
  done
  "$installer" "$group" >/dev/null || fail "$group: exit $? with everything installed"
  ! grep -q '^apt-get\|^locale-gen\|^npm' "$CALLS" || fail "$group: installed with everything present"
  rm -rf "$NPM_TOOLS_ROOT"/tools/npm/*/node_modules
done

status=0
message=$("$installer" no-such-group 2>&1 >/dev/null) || status=$?
[[ $status -eq 2 ]] || fail "an unknown group exited $status, not 2"
[[ $message == *"unknown group 'no-such-group'"* ]] || fail "an unknown group said: $message"

[[ $failures -eq 0 ]] && echo "install-deps test: ${#groups[@]} groups install exactly their packages"
exit $((failures > 0))
