# Thin wrapper over CMake: `make run` to use the program, `make test` to check it,
# `make install` and `make package` to install it like a Debian program.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
TRELIMOR_HOME ?= $(HOME)/Trelimor
PREFIX ?= /usr/local
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

FUZZ_SECONDS ?= 60
FUZZ_DIR ?= $(BUILD_DIR)-fuzz

# The program alone needs neither GoogleTest nor Google Benchmark: a new build folder is
# configured without the tests and benchmarks for it; one that `make test` configured keeps them.
PROGRAM_ONLY = $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DTRELIMOR_BUILD_TESTS=OFF -DTRELIMOR_BUILD_BENCH=OFF)
CMAKE_CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
    -DTRELIMOR_WERROR=$(WERROR) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all deps configure configure-program build test test-sanitize fuzz run install package bench \
        clean format

all: build

# The packages the program needs to build and run; the tests' own come with `make test`.
deps:
	@./scripts/install-deps.sh

# The tests and benchmarks need GoogleTest, Google Benchmark and the PDF tools besides.
configure:
	@./scripts/install-deps.sh test
	@$(CMAKE_CONFIGURE) -DTRELIMOR_BUILD_TESTS=ON -DTRELIMOR_BUILD_BENCH=ON >/dev/null

configure-program: deps
	@$(CMAKE_CONFIGURE) $(PROGRAM_ONLY) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

# The suite built with the address and undefined-behaviour sanitizers (leaks are not checked:
# Qt keeps some objects until the process ends).
test-sanitize:
	@./scripts/install-deps.sh test
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

# Builds the program and the installation tool, not the tests or benchmarks, and starts the
# program, which lays out a missing program folder with the source tree's templates.
run: configure-program
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target trelimor trelimor-setup
	@TRELIMOR_HOME="$(TRELIMOR_HOME)" $(BUILD_DIR)/src/app/trelimor

# The program, trelimor-setup, the report templates, the desktop entry and the icon under
# PREFIX (default /usr/local), through sudo when PREFIX is not writable.
install: configure-program
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target trelimor trelimor-setup
	@dir="$(PREFIX)"; while [ ! -e "$$dir" ]; do dir=$$(dirname "$$dir"); done; \
	    sudo=""; [ -w "$$dir" ] || sudo=sudo; \
	    $$sudo cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The Debian package $(BUILD_DIR)/trelimor_<version>_<architecture>.deb (CPack), from the same
# build tree as the tests.
package: configure-program
	@./scripts/install-deps.sh package
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
