# Thin front over the CMake presets. `make run` and `make test` install what
# is missing first (scripts/install-deps.sh), so they work on a fresh Debian 12.
.PHONY: run test bench build deps screenshot paquet clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@./build/ui/orbeline

test: build
	@ctest --preset default

bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@scripts/run-bench.sh build-bench

# The Debian package, build/orbeline_<version>_<arch>.deb: only the program
# and its files are built, not the tests.
paquet: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target paquet

screenshot: build
	@scripts/screenshot.sh

clean:
	@rm -rf build build-bench
