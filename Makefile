# The two commands a newcomer needs: `make run` and `make test`. Both install
# what is missing (Debian 12), configure and build in build/.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
DEMO       ?= demo-work
FUZZ_SECONDS ?= 30
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run test fuzz bench trial clean print-check

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run-demo.sh $(BUILD) $(DEMO)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

print-check: build
	./scripts/print-check.sh $(BUILD)

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
	rm -rf $(BUILD) build-fuzz
