# Thin wrapper over CMake: `make run` to use the program, `make test` to check it.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
TRELIMOR_HOME ?= $(HOME)/Trelimor
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

.PHONY: all deps configure build test test-sanitize run bench clean format

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
