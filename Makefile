# The newcomer's front door: every target installs what is missing first.
PRESET ?= default

.PHONY: all deps build test run bench screenshot resources clean

all: build

deps:
	tools/install-deps.sh build

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET) --output-on-failure

run: build
	build/ui/petcalc

screenshot: build
	tools/install-deps.sh screenshot
	tools/screenshot.sh build/ui/petcalc build

resources:
	tools/install-deps.sh art
	tools/make_resources.py resources

bench: deps
	tools/install-deps.sh bench
	cmake --preset default -DPETCALC_BUILD_BENCH=ON
	cmake --build --preset default --target petcalc_bench
	build/bench/petcalc_bench

clean:
	rm -rf build build-asan
