# The newcomer's front door: every target installs what is missing first.
PRESET ?= default
FUZZ_SECONDS ?= 60

.PHONY: all deps build test run windows windows-test web web-test web-run package release bench \
        fuzz lint screenshot resources fresh-check clean

all: build

deps:
	tools/install-deps.sh build

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# The default suite also cross-builds petcalc.exe and runs its tests under wine, and builds the
# web page and runs its tests under Node and in Chromium, WebKitGTK and Firefox ESR.
test: build
	ctest --preset $(PRESET) --output-on-failure
	$(if $(filter default,$(PRESET)),$(MAKE) --no-print-directory windows-test web-test)

run: build
	build/qt/petcalc

# petcalc.exe for Windows, cross-built with mingw-w64: build-windows/win32/petcalc.exe.
windows: deps
	cmake --preset windows
	cmake --build --preset windows

# Its tests under wine, on a virtual display of their own (never reset between them: a program
# connecting while Xvfb resets is refused).
windows-test: windows
	xvfb-run -a -s "-screen 0 1280x800x24 -noreset" ctest --preset windows --output-on-failure

# The calculator in a browser: build-web/site/, a folder any static host serves as it is.
web: deps
	tools/install-deps.sh web
	cmake --preset web
	cmake --build --preset web

web-test: web
	ctest --preset web --output-on-failure

# Serves build-web/site/ on http://127.0.0.1:8000.
web-run: web
	tools/web_serve.py build-web/site 8000

package: build
	cpack --config build/CPackConfig.cmake -B build/packages
	@ls build/packages/*.deb

# dist/: the Windows zip, the Debian package and SHA256SUMS, reproducible from the commit.
release: deps
	tools/release.sh

screenshot: build windows web
	tools/install-deps.sh screenshot
	tools/screenshot.sh build/qt/petcalc build build-windows/win32/petcalc.exe build-windows
	tools/web_screenshots.py build-web docs web/static

resources:
	tools/install-deps.sh art
	tools/make_resources.py resources

bench: deps
	tools/install-deps.sh bench screenshot web
	bench/run.sh

fuzz:
	tools/install-deps.sh build fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh

# In build trees of its own, with the benchmarks: the default build stays as it was.
lint: deps
	tools/install-deps.sh lint bench
	cmake --preset bench
	cmake --build --preset bench
	cmake --preset windows
	tools/lint.sh build-bench build-windows

# The README's two commands on a bare Debian 12 root (needs root; about five minutes).
fresh-check:
	tools/install-deps.sh fresh
	tools/fresh-check.sh

clean:
	rm -rf build build-bench build-asan build-clang build-fuzz build-windows build-web build-before dist
	git worktree prune
