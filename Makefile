# The README's two commands: `make run` and `make test`. Each installs what is
# missing, configures and builds first, so a fresh Debian machine needs nothing else.
JOBS ?= $(shell nproc)

.PHONY: windows-check run test package deps build build-asan clean memcheck fuzz bench format

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

run: build
	@if [ -x build/release/app/quillmar ]; then \
	  build/release/app/quillmar; \
	else \
	  build/release/cli/quillmar-gen examples/worked-example.job; \
	fi

# The format check, the release suite, the Windows build under Wine (windows-check), then
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer (clang; dime, the
# DXF reader, frees some new[] memory with delete, so that one check is off), and last a
# short run of every fuzz target on its corpus, built in the sanitizer build from the
# same objects. Every test runs once: a failed test fails.
CTEST_FLAGS = -j $(JOBS)
test: build
	scripts/check-format
	QT_QPA_PLATFORM=offscreen ctest --preset release $(CTEST_FLAGS)
	JOBS=$(JOBS) scripts/windows-check
	$(MAKE) --no-print-directory build-asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan $(CTEST_FLAGS)
	scripts/fuzz 10

# The Qt-free layers, their tests and quillmar-gen built for Windows (MinGW-w64) and run
# under Wine; the Windows quillmar-gen must write the Linux build's bytes for every
# example job. See scripts/windows-check.
windows-check: build
	JOBS=$(JOBS) scripts/windows-check

# A Debian package of the release build (CPack, dependencies from the binaries):
# build/release/quillmar_<version>-1_<arch>.deb.
package: build
	cmake --build --preset release --target package
	@ls build/release/quillmar_*.deb

# Valgrind memcheck over the test programs without widgets and quillmar-gen on every
# example job.
memcheck: build
	scripts/memcheck build/release

# Each libFuzzer target for 60 s (built in the sanitizer build, build/asan); see scripts/fuzz.
fuzz: deps
	scripts/fuzz 60

# The speed measurements, as a table of figure against target.
bench: build
	cmake --build --preset release -j $(JOBS) --target benchmarks
	scripts/bench-table build/release

# Every tracked C++ file against .clang-format.
format:
	scripts/check-format

clean:
	rm -rf build
