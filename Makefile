# The two commands every new user needs:
#   make play   build the game and start it
#   make test   build everything and run every test (headless)
# Both install the Debian packages of scripts/packages.txt when missing.

BUILD ?= build
JOBS ?= $(shell nproc)

SANITIZE_BUILD ?= build-sanitize

FUZZ_SECONDS ?= 60

SOAK_MINUTES ?= 10

.PHONY: play test test-sanitize fuzz soak build deps configure clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

play: build
	@if [ -x $(BUILD)/prismel ]; then cd $(BUILD) && ./prismel; \
	else echo "Everything is built, but the game has no window yet: try 'build/prismel-sim levels' and 'build/prismel-pak list build/data/models.pak'."; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything again under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; tests/sanitizer.supp names the leaks of system
# libraries that are not ours to fix.
test-sanitize: deps
	@test -f $(SANITIZE_BUILD)/build.ninja || cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DPRISMEL_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Every reader fuzzed for FUZZ_SECONDS seconds (clang's libFuzzer with the
# sanitizers); one line per target.
fuzz:
	@bash scripts/install-deps.sh scripts/packages.txt scripts/packages-fuzz.txt
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run.sh

# The real game under the sanitizers, driven by a random session for
# SOAK_MINUTES minutes; reports frames, memory and any error.
soak: deps
	SOAK_MINUTES=$(SOAK_MINUTES) bash tools/soak/soak.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
