# The two commands a newcomer needs: `make run` and `make test`. Both install
# what is missing (Debian 12), configure and build in build/.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
DEMO       ?= demo-work
FUZZ_SECONDS ?= 30
JOBS       ?= $(shell nproc)
# ON in CI: compiler warnings fail the build.
WERROR     ?= OFF
SOURCES     = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h')

.PHONY: all deps configure build run test test-sanitize format format-check print-check package package-check \
        portability-check layer-check tidy fuzz bench trial clean

all: build

deps:
	@./scripts/install-deps.sh

# WERROR given (make test WERROR=ON) configures the build folder again when it
# was configured otherwise; left out, the folder keeps the setting it has.
ifeq ($(origin WERROR),file)
CONFIGURED = test -f $(BUILD)/build.ninja
else
CONFIGURED = grep -qx 'VELTRA_WERROR:BOOL=$(WERROR)' $(BUILD)/CMakeCache.txt 2> /dev/null && test -f $(BUILD)/build.ninja
endif

configure: deps
	@$(CONFIGURED) || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVELTRA_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run-demo.sh $(BUILD) $(DEMO)

test: layer-check build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

print-check: build
	./scripts/print-check.sh $(BUILD)

# The Debian package, build-package/veltra_<version>_amd64.deb, built in a folder
# of its own without tests and without the kill trials' scripted runs.
package: deps
	VELTRA_PACKAGE_DEPS=1 ./scripts/install-deps.sh
	cmake --preset package -DVELTRA_WERROR=$(WERROR)
	cmake --build --preset package -j $(JOBS)
	cd build-package && cpack -G DEB

# Checks the package (lintian, desktop entry, AppStream), installs it, runs the
# installed programs and removes it again, leaving nothing behind.
package-check: package
	./scripts/package-check.sh build-package

# No file under src/ outside a named platform seam includes POSIX-only headers.
portability-check:
	./scripts/portability-check.sh

# No file under src/ includes a folder above its own or an unlisted one beside
# it: the layers are the list in README.md.
layer-check:
	./scripts/layer-check.py

# clang-tidy's bugprone checks (.clang-tidy) over the program's sources, with
# the build folder's compile commands; any finding fails.
tidy: build
	VELTRA_TIDY_DEPS=1 ./scripts/install-deps.sh
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet '$(CURDIR)/src/' > $(BUILD)/tidy.log 2>&1 \
	  || { grep -E '(warning|error):' $(BUILD)/tidy.log | sort -u; exit 1; }
	@echo "clang-tidy: no findings"

# The tests once more under the address and undefined-behaviour sanitizers,
# in build-sanitize (a debug build without the benchmarks).
test-sanitize: deps
	cmake --preset sanitize -DVELTRA_WERROR=$(WERROR)
	cmake --build --preset sanitize -j $(JOBS)
	UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j $(JOBS)

format:
	clang-format -i $(SOURCES)

format-check:
	VELTRA_FORMAT_DEPS=1 ./scripts/install-deps.sh
	@clang-format --dry-run --Werror $(SOURCES) && echo "clang-format: every source file is formatted"

fuzz:
	VELTRA_FUZZ_DEPS=1 ./scripts/install-deps.sh
	./scripts/run-fuzz.sh $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/bench_core --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Kills the program at random moments and checks that no month is lost or damaged.
KILLS ?= 200
trial: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/kill_trial --program $(BUILD)/src/veltra --kills $(KILLS)

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz build-package
