# The commands people type. Build trees live under build/, the shipped
# executables in dist/.
BUILD := build
HOST_BUILD := $(BUILD)/host
WIN_BUILD := $(BUILD)/win32
JOBS ?= 2
PROGRAMS := Kestrav Ravlind Varnolt
FUZZ_BUILD := $(BUILD)/fuzz
FUZZ_TARGETS := key_list rewrite
FUZZ_SECONDS ?= 600
BENCH_BUILD := $(BUILD)/bench

.PHONY: all deps dist host-test release-test wine-test test demo clean fuzz-build fuzz-test fuzz bench

all: dist

deps:
	@scripts/install-deps.sh

dist: deps
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WIN_BUILD) -j$(JOBS) -- --no-print-directory
	mkdir -p dist
	for p in $(PROGRAMS); do cp $(WIN_BUILD)/bin/$$p.exe dist/; done
	@python3 release/check_release.py --sizes $(PROGRAMS:%=dist/%.exe)

# Loads on Windows 98 SE, version information, size, byte-identical rebuilds.
release-test: dist
	python3 release/check_release.py $(PROGRAMS:%=dist/%.exe)
	python3 -m unittest discover -s tests/release -v

host-test: deps
	cmake -S . -B $(HOST_BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(HOST_BUILD) -j$(JOBS) -- --no-print-directory
	ctest --test-dir $(HOST_BUILD) --output-on-failure -j$(JOBS)

wine-test: dist
	cd tests/wine && python3 -m unittest discover -p 'test_*.py' -v

# The fuzz targets: clang, libFuzzer and the sanitizers, in a tree of their own.
fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS) -- --no-print-directory

# A few seconds of each target from the seed corpus, the same inputs every time.
fuzz-test: fuzz-build
	for t in $(FUZZ_TARGETS); do fuzz/run $$t short || exit 1; done

# Long runs, the targets side by side: make fuzz FUZZ_SECONDS=3600
fuzz: fuzz-build
	@pids=; for t in $(FUZZ_TARGETS); do fuzz/run $$t long $(FUZZ_SECONDS) & pids="$$pids $$!"; done; \
	status=0; for p in $$pids; do wait $$p || status=1; done; exit $$status

test: host-test fuzz-test release-test wine-test

# Benchmarks, not tests: a release-optimised tree of their own. Fails when the
# rewrite of 16 MB takes more than 20 times as long as that of 1 MB.
bench:
	@scripts/install-deps.sh --bench
	cmake -S benchmarks -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BENCH_BUILD) -j$(JOBS) -- --no-print-directory
	$(BENCH_BUILD)/storage_benchmarks --benchmark_repetitions=7 --benchmark_report_aggregates_only=true \
	  --benchmark_out=$(BENCH_BUILD)/results.json --benchmark_out_format=json
	python3 benchmarks/report_figures.py $(BENCH_BUILD)/results.json

demo: dist
	tools/demo

clean:
	rm -rf $(BUILD) dist
