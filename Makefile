# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps build build-asan test test-plain test-asan run bench clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZRX_SANITIZE=ON -DZRX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)

test-plain: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	@cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Both configurations: the plain build and the one under AddressSanitizer and UBSan.
test: test-plain test-asan

# The performance suite on a generated large book; the table also lands in $(BUILD)/bench.txt.
bench: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRX_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target zrx_bench
	@nice $(BUILD)/bench/zrx_bench --benchmark_counters_tabular=true | tee $(BUILD)/bench.txt

run: build
	@scripts/run-player.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
