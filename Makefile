# The newcomer's front door: every target installs what is missing first.
PRESET ?= default
FUZZ_SECONDS ?= 60

.PHONY: all deps build test run package bench fuzz lint screenshot resources fresh-check clean

all: build

deps:
	tools/install-deps.sh build

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET) --output-on-failure

run: build
	build/qt/petcalc

package: build
	cpack --config build/CPackConfig.cmake -B build/packages
	@ls build/packages/*.deb

screenshot: build
	tools/install-deps.sh screenshot
	tools/screenshot.sh build/qt/petcalc build

resources:
	tools/install-deps.sh art
	tools/make_resources.py resources

bench: deps
	tools/install-deps.sh bench screenshot
	bench/run.sh

fuzz:
	tools/install-deps.sh build fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh

lint: deps
	tools/install-deps.sh lint bench
	cmake --preset default -DPETCALC_BUILD_BENCH=ON
	cmake --build --preset default
	tools/lint.sh build

# The README's two commands on a bare Debian 12 root (needs root; about five minutes).
fresh-check:
	tools/install-deps.sh fresh
	tools/fresh-check.sh

clean:
	rm -rf build build-asan build-clang build-fuzz
