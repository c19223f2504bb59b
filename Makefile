# Huesmith on Debian 12, as root: `make run` and `make test` install whatever is missing first.
.PHONY: all setup build run test bench fuzz mutate dist clean
.DEFAULT_GOAL := build

all: build

# Debian packages, the ja_JP.UTF-8 locale and the Wine prefix (build/wineprefix).
setup:
	scripts/setup.sh

# Native (unit tests, benchmarks), fuzz targets (clang) and Windows (Huesmith.exe, the driver).
build: setup
	cmake --preset native && cmake --build --preset native
	cmake --preset fuzz && cmake --build --preset fuzz
	cmake --preset windows && cmake --build --preset windows

# In build/run/, which keeps the user's catalogue and settings; a screenshot without a display.
run: build
	scripts/run.sh

# Both suites run even when the first fails; any failure fails the target.
test: build
	@status=0; \
	ctest --preset native || status=1; \
	ctest --preset fuzz || status=1; \
	scripts/with-display.sh scripts/ctest-windows.sh || status=1; \
	exit $$status

bench: build
	scripts/bench.sh

# Mutation testing of the portable code against the native unit tests (not part of make test):
# every portable file, those changed since BASE=<rev>, or FILES="catalogue/ColorLab.cpp ...".
mutate: setup
	BASE="$(BASE)" FILES="$(FILES)" scripts/mutate.py

# Each fuzzer for FUZZ_SECONDS (make test runs them for 10 s each).
FUZZ_SECONDS ?= 60
fuzz: build
	HUESMITH_FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz

# The release zip, build/dist/Huesmith-<version>-win64.zip, from the Windows build of the program;
# only the packages are needed for it, not the Wine prefix.
dist:
	scripts/setup-packages.sh
	cmake --preset windows && cmake --build --preset windows --target Huesmith
	scripts/make-dist.sh build/windows build/dist

# Everything built goes, but not the Wine prefixes (slow to make again) nor build/run (the user's
# catalogue and settings).
clean:
	[ ! -d build ] || find build -mindepth 1 -maxdepth 1 ! -name 'wineprefix*' ! -name run -exec rm -rf {} +
