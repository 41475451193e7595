# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_BUILD_DIR ?= build-fuzz

SANITIZE_DIR ?= build-sanitize
# The sanitizers make every step several times slower: a shorter walk keeps CI within its time.
SANITIZE_SOAK_STEPS ?= 20000

.PHONY: all deps configure build run test test-sanitize clean format fuzz fuzz-build

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)/runeplan

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUNEPLAN_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		RUNEPLAN_SOAK_STEPS=$(SANITIZE_SOAK_STEPS) \
		ctest --output-on-failure -j $(JOBS)

# libFuzzer on every reader of files that others wrote, built with clang and the sanitizers in
# $(FUZZ_BUILD_DIR); FUZZ_RUNS (default 1000000) runs per target. Not part of `make test`.
fuzz:
	@scripts/install-deps.sh --fuzz
	@CMAKE_FLAGS="$(CMAKE_FLAGS)" fuzz/run.sh $(FUZZ_BUILD_DIR)

# The fuzz targets built as `make fuzz` builds them, and not run: CI's check that they compile.
fuzz-build:
	@scripts/install-deps.sh --fuzz
	@CMAKE_FLAGS="$(CMAKE_FLAGS)" FUZZ_BUILD_ONLY=1 fuzz/run.sh $(FUZZ_BUILD_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)

# Benchmarks on the bundled world, then start-up time (against a bare window) and peak memory, all
# from a Release build of their own. Nothing here runs under `make test` (which only compiles the
# benchmarks in CI). The start-up is measured whatever the benchmarks gave; the run fails at its
# end when a target was missed or a figure is missing. BENCH_FLAGS go to the benchmark program
# (e.g. --benchmark_filter=ClassLoad, which fails the run for the figures it leaves out).
BENCH_BUILD_DIR ?= build-bench
BENCH_FLAGS ?=
.PHONY: bench
bench:
	@scripts/install-deps.sh --bench
	@cmake -S . -B $(BENCH_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DRUNEPLAN_BENCH=ON -DRUNEPLAN_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BENCH_BUILD_DIR) -j $(JOBS) --target runeplan runeplan_bench bare_window
	@status=0; \
	$(BENCH_BUILD_DIR)/runeplan_bench $(BENCH_FLAGS) || status=1; \
	scripts/measure-startup.sh $(BENCH_BUILD_DIR)/runeplan || status=1; \
	if [ $$status -ne 0 ]; then echo "make bench: a target was missed or a figure is missing" >&2; fi; \
	exit $$status

# A Debian package of the planner that installs under /usr: $(BUILD_DIR)/runeplan_<version>_<arch>.deb.
.PHONY: package
package: configure
	@scripts/install-deps.sh --package
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target package
