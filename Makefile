# Quick start. Both targets first set up a fresh Debian 12 machine (run as root): the packages,
# the picture libraries for the Windows targets, then the native, x86_64 and i686 builds.
#   make demo    build the runtime and the packer, pack the demo show and play it under Wine
#   make check   build everything and run every test (unit, end-to-end under Wine, fuzz)
# Build folders can be moved, e.g. make check NATIVE_DIR=build/mine WIN64_DIR=build/mine-win64

JOBS ?= 2
NATIVE_DIR ?= build/native
WIN64_DIR ?= build/win64
WIN32_DIR ?= build/win32
FUZZ_DIR ?= build/fuzz
DEMO_DIR ?= build/demo

.PHONY: all setup setup-demo build demo check fuzz-check
all: check

setup:
	bash scripts/setup-system.sh
	bash scripts/build-mingw-libs.sh x86_64-w64-mingw32 i686-w64-mingw32

# The demo needs only the x86_64 runtime and the native packer: one target's libraries.
setup-demo:
	bash scripts/setup-system.sh
	bash scripts/build-mingw-libs.sh x86_64-w64-mingw32

build: setup
	cmake --preset win64 -B $(WIN64_DIR)
	cmake --build $(WIN64_DIR) -j$(JOBS)
	cmake --preset win32 -B $(WIN32_DIR)
	cmake --build $(WIN32_DIR) -j$(JOBS)
	cmake --preset native -B $(NATIVE_DIR) -DSAVERKIT_WIN64_DIR=$(abspath $(WIN64_DIR)) \
	  -DSAVERKIT_WIN32_DIR=$(abspath $(WIN32_DIR)) \
	  -DSAVERKIT_DEMO_DIR=$(abspath $(DEMO_DIR))
	cmake --build $(NATIVE_DIR) -j$(JOBS)

# Builds only what the demo show needs: the runtime, the packer and the demo's material maker.
demo: setup-demo
	cmake --preset win64 -B $(WIN64_DIR)
	cmake --build $(WIN64_DIR) -j$(JOBS) --target saverkit
	cmake --preset native -B $(NATIVE_DIR) -DSAVERKIT_WIN64_DIR=$(abspath $(WIN64_DIR)) \
	  -DSAVERKIT_DEMO_DIR=$(abspath $(DEMO_DIR))
	cmake --build $(NATIVE_DIR) -j$(JOBS) --target demo-package
	bash scripts/run-demo.sh $(DEMO_DIR)

# The fuzzers run first, so that the last line is the main ctest summary. Under Wine a process
# now and then dies in the loader at start or exit (ld.so's "_dl_fini" assertion), which is
# Wine's, not the program's: only a test that failed that way runs once more.
check: build fuzz-check
	ctest --test-dir $(NATIVE_DIR) --output-on-failure -j$(JOBS) || \
	  bash scripts/rerun-wine-loader-crashes.sh $(NATIVE_DIR) --output-on-failure -j$(JOBS)

# Runs the "fuzz" tests of the fuzz preset when the tree has fuzzers; each is time-bounded.
fuzz-check: build
	@if grep -q '^saverkit_fuzzer(' fuzz/CMakeLists.txt 2>/dev/null; then \
	  cmake --preset fuzz -B $(FUZZ_DIR) && \
	  targets=$$(cmake --build $(FUZZ_DIR) --target help | sed -n 's/^\([A-Za-z0-9_]*_fuzzer\):.*/\1/p') && \
	  cmake --build $(FUZZ_DIR) -j$(JOBS) --target $$targets && \
	  ctest --test-dir $(FUZZ_DIR) -L fuzz --output-on-failure; \
	else \
	  echo "fuzz-check: no fuzzers in this tree"; \
	fi
