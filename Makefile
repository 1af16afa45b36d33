# Thin wrapper over the CMake presets. `make run` builds and starts the program,
# `make test` builds, runs every test and `make lint`; both install missing Debian packages first.
JOBS ?= $(shell nproc)
PRESET ?= default

.PHONY: run test build dependencies lint sanitize fuzz bench package format clean

dependencies:
	scripts/install-dependencies.sh

build: dependencies
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	build/$(PRESET)/program/tavrelion

test: PRESET = ci
test: build
	ctest --preset $(PRESET) -j $(JOBS)
	$(MAKE) lint
	$(MAKE) sanitize

# clang-tidy with the checks of .clang-tidy over our sources; it needs only the ci configuration
# (its compile_commands.json), not a build.
lint: dependencies
	cmake --preset ci
	scripts/lint.sh build/ci $(JOBS)

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: dependencies
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Coverage-guided fuzzing (clang's libFuzzer) of every reader and analysis program input, for
# FUZZ_SECONDS in all, seeded with the samples, the data files and tests/corpus. Inputs that
# break a rule are kept in build/fuzz/crashes.
FUZZ_SECONDS ?= 60
fuzz: dependencies
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

bench: build
	build/$(PRESET)/bench/bench_load
	build/$(PRESET)/bench/bench_load_columns
	build/$(PRESET)/bench/bench_fit
	build/$(PRESET)/bench/bench_table
	build/$(PRESET)/bench/bench_plot
	build/$(PRESET)/bench/bench_startup
	build/$(PRESET)/bench/engines/selcon3/bench_selcon
	build/$(PRESET)/bench/engines/contin/bench_contin
	build/$(PRESET)/bench/engines/varselec/bench_varselec
	build/$(PRESET)/bench/engines/k2d/bench_k2d
	build/$(PRESET)/bench/engines/allmethods/bench_allmethods

# A Debian package of the program (build/<preset>/tavrelion_<version>_<arch>.deb).
package: build
	cd build/$(PRESET) && cpack

format:
	find src tests bench engines fuzz -name '*.cpp' -o -name '*.h' 2>/dev/null | xargs clang-format -i

clean:
	rm -rf build
