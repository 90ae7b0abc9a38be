# The commands people type. Build trees live under build/, the shipped
# executables in dist/.
BUILD := build
HOST_BUILD := $(BUILD)/host
WIN_BUILD := $(BUILD)/win32
JOBS ?= 2
PROGRAMS := Kestrav Ravlind Varnolt

.PHONY: all deps dist host-test release-test wine-test test demo clean

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

test: host-test release-test wine-test

demo: dist
	tools/demo

clean:
	rm -rf $(BUILD) dist
