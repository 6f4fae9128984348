# The newcomer's front door: every target installs what is missing first.
PRESET ?= default

.PHONY: all deps build test run bench clean

all: build

deps:
	tools/install-deps.sh build

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET) --output-on-failure

run: build
	@echo "The window is not built yet: only the calculation core and its tests exist so far."

bench: deps
	tools/install-deps.sh bench
	cmake --preset default -DPETCALC_BUILD_BENCH=ON
	cmake --build --preset default --target petcalc_bench
	build/bench/petcalc_bench

clean:
	rm -rf build build-asan
