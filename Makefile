# Sentavia: `make test` sets up everything on a fresh machine and runs every test.
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
CLANGXX := $(shell command -v clang++ 2>/dev/null)

.PHONY: all deps build run unit sanitize fuzz test bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

# Until the reference book itself is built, the window demo is what there is to run.
run: build
	./build/examples/window_demo

unit: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B build-asan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DSENTAVIA_SANITIZE=ON -DSENTAVIA_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The fuzz targets need clang's libFuzzer; each runs for a short fixed time.
fuzz: deps
ifneq ($(CLANGXX),)
	CC=clang CXX=clang++ cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSENTAVIA_FUZZ=ON -DSENTAVIA_TESTS=OFF -DSENTAVIA_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	ctest --test-dir build-fuzz --output-on-failure -j $(JOBS)
else
	@echo "fuzz: clang++ not found, fuzz targets skipped"
endif

test: unit sanitize fuzz

bench: build
	@for b in build/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf build build-asan build-fuzz
