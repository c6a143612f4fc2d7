# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
# Seconds per fuzz target: `make fuzz FUZZ_SECONDS=600`; `make test` runs a short smoke.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 20
JOBS       ?= $(shell nproc)
# Where `make install` puts the program; DESTDIR=... stages it for a package.
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja

.PHONY: all deps configure build build-player build-asan build-fuzz fuzz fuzz-smoke test test-plain test-asan run run-text screens bench install uninstall clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the programs and the bundled packages that `make run` starts; tests and benchmarks wait for `make test`.
build-player: configure
	@cmake --build $(BUILD) -j $(JOBS) --target zrx_run

build-asan: deps
	@cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZRX_SANITIZE=ON -DZRX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)

test-plain: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	@cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# clang's sanitizer runtimes do not mix with g++'s: the fuzz targets have a tree of their own.
build-fuzz: deps
	@cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
	  -DZRX_FUZZ=ON -DZRX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target zrx_fuzz_all

fuzz: build-fuzz
	@scripts/run-fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

fuzz-smoke: build-fuzz
	@scripts/run-fuzz.sh $(BUILD_FUZZ) $(FUZZ_SMOKE_SECONDS)

# Both configurations (the plain build and the one under AddressSanitizer and UBSan),
# then a short run of every fuzz target so that they keep building and running.
test: test-plain test-asan fuzz-smoke

# The performance suite on a generated large book; the table also lands in $(BUILD)/bench.txt.
bench: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRX_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target zrx_bench
	@nice $(BUILD)/bench/zrx_bench --benchmark_counters_tabular=true | tee $(BUILD)/bench.txt

# The desktop program when a display is there, else the text player.
run: build-player
	@scripts/run-player.sh $(BUILD)

run-text: build-player
	@scripts/run-player.sh $(BUILD) text

# A picture of every window, drawn without a display, into $(BUILD)/screens/, and every
# picture of the bundled books side by side in $(BUILD)/contact_sheet.png.
screens: configure
	@cmake --build $(BUILD) -j $(JOBS) --target zrx-screens zrx_packages zrx_contact_sheet
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/zrx-screens $(BUILD)/screens
	@echo "Képek: $(BUILD)/screens/, $(BUILD)/contact_sheet.png"

# The programs (without their debugging symbols), the bundled packages, the desktop entry,
# icons and metadata under $(PREFIX).
# An already configured build tree is only brought up to date, so that `sudo make install`
# after `make build-player` writes nothing but the installed files and the install list.
install:
	@[ -f $(BUILD)/build.ninja ] || $(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS) --target zrx_run zrx_icons
	@cmake --install $(BUILD) --prefix $(PREFIX) --strip

# Removes what the last `make install` put in place, as its install list names it (the list
# leaves out DESTDIR: give the same one again).
uninstall:
	@[ -f $(BUILD)/install_manifest.txt ] || { echo "Nincs telepítési lista: $(BUILD)/install_manifest.txt"; exit 1; }
	@sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -d '\n' rm -f
	@find "$(DESTDIR)$(PREFIX)/share/zrx" -depth -type d -empty -delete 2>/dev/null || true
	@rm $(BUILD)/install_manifest.txt

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
