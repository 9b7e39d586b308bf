# Thin wrapper over CMake: `make run` to use the program, `make test` to check it.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
TRELIMOR_HOME ?= $(HOME)/Trelimor
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

FUZZ_SECONDS ?= 60
FUZZ_DIR ?= $(BUILD_DIR)-fuzz

.PHONY: all deps configure build test test-sanitize fuzz run bench clean format

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	    -DTRELIMOR_WERROR=$(WERROR) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

# The suite built with the address and undefined-behaviour sanitizers (leaks are not checked:
# Qt keeps some objects until the process ends).
test-sanitize: deps
	@cmake -S . -B $(BUILD_DIR)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELIMOR_SANITIZE=ON \
	    -DTRELIMOR_BUILD_BENCH=OFF -DTRELIMOR_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	@cd $(BUILD_DIR)-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) --timeout 600

# Each parser of outside data fed arbitrary bytes for FUZZ_SECONDS seconds (libFuzzer with the
# address and undefined-behaviour sanitizers, built with clang apart from the other builds). A
# finding stops the run and leaves its input as crash-*/timeout-* in $(FUZZ_DIR)/findings.
fuzz:
	@./scripts/install-deps.sh fuzz
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DTRELIMOR_FUZZ=ON -DTRELIMOR_BUILD_TESTS=OFF -DTRELIMOR_BUILD_BENCH=OFF -DTRELIMOR_WERROR=$(WERROR) >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	@mkdir -p $(FUZZ_DIR)/findings $(FUZZ_DIR)/logs
	@for target in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	    [ -f $$target ] && [ -x $$target ] || continue; \
	    name=$${target##*/fuzz_}; log=$(FUZZ_DIR)/logs/$$name.log; mkdir -p $(FUZZ_DIR)/corpus/$$name; \
	    echo "== $$name ($(FUZZ_SECONDS) s)"; \
	    if ! LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_DIR)/findings/$$name- $(FUZZ_DIR)/corpus/$$name fuzz/seeds/$$name \
	        >$$log 2>&1; then tail -n 40 $$log; echo "Finding in $$name: see $(FUZZ_DIR)/findings" \
	        "(a readable report: ASAN_OPTIONS=symbolize=1 $$target <finding>)"; exit 1; fi; \
	    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' $$log; \
	done

# Builds only what it runs: the program and the installation tool, not the tests or benchmarks.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target trelimor trelimor-setup
	@if [ ! -f "$(TRELIMOR_HOME)/Trelimor.ini" ]; then \
	    $(BUILD_DIR)/install/trelimor-setup "$(TRELIMOR_HOME)"; fi
	@TRELIMOR_HOME="$(TRELIMOR_HOME)" $(BUILD_DIR)/src/app/trelimor

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
