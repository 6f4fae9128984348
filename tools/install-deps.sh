#!/usr/bin/env bash
# Installs the Debian 12 packages a build needs, only those that are missing, and generates the
# comma-decimal locale the locale test uses; for the groups that need tools Debian lacks, installs
# them from npm, every version pinned by the committed package-lock.json of their folder under
# tools/npm (npm itself from Debian only where no npm is on PATH: a nodejs package that carries
# its own conflicts with Debian's). Usage: tools/install-deps.sh [group...]
# Groups: build (default: compile, run and every test, the validators, the package and its
# checker, the accessibility test, strace for the test of the saves' flushes, and the Windows
# cross build with wine and a font to test it in), web (the WebAssembly build with Emscripten and
# Node, terser for the page's scripts, the page's three engines: headless Chromium with its
# driver, WebKitGTK's WebKitWebDriver with Xvfb, Firefox ESR with a WebSocket client for its
# WebDriver BiDi; Selenium, and axe-core from npm), bench (Google Benchmark, and Lighthouse from
# npm), screenshot (Xvfb and ImageMagick), art (what tools/make_resources.py draws with), fuzz
# (clang and libFuzzer), lint (clang-format, clang-tidy and cppcheck), fresh (mmdebstrap, for
# tools/fresh-check.sh).
# LOCALE_GEN_FILE names the locale list to edit (default /etc/locale.gen); NPM_TOOLS_ROOT the
# tree whose tools/npm folders to install (default this one).
set -euo pipefail

declare -A GROUPS_PACKAGES=(
  [build]="g++ make cmake ninja-build libgtest-dev libgmock-dev googletest libfast-float-dev rapidjson-dev
           locales python3
           qt6-base-dev qt6-translations-l10n fonts-noto-cjk desktop-file-utils appstream
           dpkg-dev file lintian xvfb xauth x11-utils dbus-daemon dbus-bin at-spi2-core
           python3-pyatspi python3-pil g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
           mingw-w64-x86-64-dev wine64 fonts-arphic-uming strace"
  [web]="emscripten nodejs node-terser libfast-float-dev rapidjson-dev python3 python3-selenium chromium
         chromium-driver webkit2gtk-driver firefox-esr python3-websocket xvfb xauth"
  [bench]="libbenchmark-dev libx11-dev libxdamage-dev python3"
  [screenshot]="xvfb xauth x11-utils imagemagick"
  [art]="python3-pil fonts-dejavu-core"
  [fuzz]="clang-14 libclang-rt-14-dev"
  [lint]="clang-tidy-14 clang-format-14 cppcheck"
  [fresh]="mmdebstrap"
)
declare -A GROUPS_NPM=(
  [web]="tools/npm/test"
  [bench]="tools/npm/bench"
)
locale_gen_file=${LOCALE_GEN_FILE:-/etc/locale.gen}
npm_root=${NPM_TOOLS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}

as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
      echo "$package"
    fi
  done
}

ensure_locale() {
  local locale=$1
  if locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then return; fi
  echo "install-deps: generating locale $locale"
  as_root sed -i "s/^# *\(${locale} UTF-8\)/\1/" "$locale_gen_file"
  grep -q "^${locale} UTF-8" "$locale_gen_file" ||
    echo "${locale} UTF-8" | as_root tee -a "$locale_gen_file" >/dev/null
  as_root locale-gen >/dev/null
}

# The folder's npm packages as its lock file pins them, unless they are installed from that very
# lock file already.
ensure_npm_tools() {
  local folder=$npm_root/$1
  if cmp -s "$folder/package-lock.json" "$folder/node_modules/.petcalc-lock"; then return; fi
  echo "install-deps: installing the npm packages of $1"
  npm ci --prefix "$folder" --no-audit --no-fund --loglevel=error >/dev/null
  mkdir -p "$folder/node_modules"
  cp "$folder/package-lock.json" "$folder/node_modules/.petcalc-lock"
}

main() {
  local groups=("$@")
  [[ ${#groups[@]} -eq 0 ]] && groups=(build)
  local wanted=() packages group
  for group in "${groups[@]}"; do
    if [[ -z ${GROUPS_PACKAGES[$group]+set} ]]; then
      echo "install-deps: unknown group '$group' (known: ${!GROUPS_PACKAGES[*]})" >&2
      exit 2
    fi
    # Every word of every line: the lists span several lines.
    read -r -d '' -a packages <<<"${GROUPS_PACKAGES[$group]}" || true
    wanted+=("${packages[@]}")
    if [[ -n ${GROUPS_NPM[$group]+set} ]] && ! command -v npm >/dev/null; then wanted+=(npm); fi
  done

  local missing
  mapfile -t missing < <(missing_packages "${wanted[@]}")
  if [[ ${#missing[@]} -gt 0 ]]; then
    echo "install-deps: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  fi
  ensure_locale de_DE.UTF-8
  for group in "${groups[@]}"; do
    if [[ -n ${GROUPS_NPM[$group]+set} ]]; then ensure_npm_tools "${GROUPS_NPM[$group]}"; fi
  done
}

main "$@"
