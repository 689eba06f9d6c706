# Thin front over the CMake presets. `make run` and `make test` install what
# is missing first (scripts/install-deps.sh), so they work on a fresh Debian 12.
.PHONY: run test test-rapide bench build web deps screenshot sanitizers fuzz singe paquet dessins clean

# fuzz: seconds per target; singe: seed, number of actions and time limit.
SECONDES ?= 60
GRAINE ?= 1
ACTIONS ?= 20000

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

# The web page: one self-contained HTML file, built with emscripten.
PAGE_WEB := build-web/web/orbeline.html
web: deps
	@cmake --preset web >/dev/null
	@cmake --build --preset web
	@echo "Page web : $(CURDIR)/$(PAGE_WEB)"

# The browser tests' node packages, exactly as package-lock.json pins them.
node_modules/.package-lock.json: package.json package-lock.json
	@npm ci

run: build
	@./build/ui/orbeline

# Every test: the suite, the page in firefox and WebKitGTK, the package, the same suite
# under the sanitizers (with a short monkey run), then each fuzz target for
# 20 s. CI runs exactly this.
test: test-rapide
	@ctest --preset default -L 'autres_moteurs|paquet'
	@$(MAKE) --no-print-directory sanitizers
	@$(MAKE) --no-print-directory fuzz SECONDES=20

# The suite alone, for everyday work, two tests at a time; its browser tests
# open the web page in chromium; the Debian package is left to `make test`.
test-rapide: build web node_modules/.package-lock.json
	@ctest --preset default -LE 'autres_moteurs|paquet'

bench: deps web node_modules/.package-lock.json
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@scripts/run-bench.sh build-bench

# The Debian package, build/orbeline_<version>_<arch>.deb: only the program
# and its files are built, not the tests.
paquet: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target paquet

# Redraws the logo and the icons (ui/art/*.png, the logo also as the page's
# ui/art/logo.jpg) from outils/dessins, to be
# looked at and committed: the build itself only reads those files.
dessins: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target dessins

# The README's two pictures: the desktop's window, then the web page.
screenshot: build web node_modules/.package-lock.json
	@scripts/screenshot.sh
	@node scripts/capture-navigateur.mjs

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitizers: deps
	@cmake --preset sanitizers >/dev/null
	@cmake --build --preset sanitizers
	@ctest --preset sanitizers

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz.sh $(SECONDES)

# A long monkey run under the sanitizers: make singe GRAINE=7 ACTIONS=50000 SECONDES=1800
singe: deps
	@cmake --preset sanitizers >/dev/null
	@cmake --build --preset sanitizers --target singe
	@SINGE_GRAINE=$(GRAINE) SINGE_ACTIONS=$(ACTIONS) SINGE_SECONDES=$(SECONDES) \
	  ctest --preset sanitizers -R '^singe$$' --verbose

clean:
	@rm -rf build build-bench build-san build-fuzz build-web
