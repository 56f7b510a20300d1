# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV7_WERROR=ON

.PHONY: all deps configure build run test bench tsan clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/src/v7-control ]; then $(BUILD)/src/v7-control --simulate; \
	else $(BUILD)/src/v7ctl --simulate info; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# The link and core tests under ThreadSanitizer.
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DV7_TSAN=ON -DV7_BUILD_GUI=OFF
	cmake --build build-tsan -j$(JOBS)
	cd build-tsan && ctest --output-on-failure

clean:
	rm -rf $(BUILD) build-tsan
