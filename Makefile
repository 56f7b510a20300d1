# The two commands a new user needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV7_WERROR=ON

.PHONY: all deps configure build run test bench tsan asan fuzz clean

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

# Everything under AddressSanitizer and UBSan at -O1; the first finding fails its test.
# ASAN_GUI=OFF keeps it to the core, the command line and the simulated machine (CI's budget).
ASAN_BUILD ?= build-asan
ASAN_GUI ?= ON
asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DV7_ASAN=ON \
	  -DV7_WERROR=ON -DV7_BUILD_BENCH=OFF -DV7_BUILD_GUI=$(ASAN_GUI)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

# Every libFuzzer target for SECONDS seconds, from its committed corpus (clang only). New
# inputs go to a scratch copy; crashes stay in $(FUZZ_BUILD)/findings.
SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
FUZZ_TARGETS = reports mode_file remote_file language_table dsp_math
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DV7_FUZZ=ON \
	  -DV7_BUILD_GUI=OFF -DV7_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@mkdir -p $(FUZZ_BUILD)/findings
	@for t in $(FUZZ_TARGETS); do \
	  echo "== fuzz_$$t"; rm -rf $(FUZZ_BUILD)/corpus-$$t; mkdir -p $(FUZZ_BUILD)/corpus-$$t; \
	  $(FUZZ_BUILD)/tests/fuzz_$$t -max_total_time=$(SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/findings/$$t- $(FUZZ_BUILD)/corpus-$$t tests/fuzz/corpus/$$t \
	    2>&1 | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|fuzz property)' \
	    || true; \
	  test -z "$$(ls $(FUZZ_BUILD)/findings | grep "^$$t-")" || { echo "fuzz_$$t found a fault"; exit 1; }; \
	done

clean:
	rm -rf $(BUILD) build-tsan $(ASAN_BUILD) $(FUZZ_BUILD)
