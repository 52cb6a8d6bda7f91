# The two commands every new user needs:
#   make play   build the game and start it
#   make test   build everything and run every test (headless)
# Both install the Debian packages of scripts/packages.txt when missing.

BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: play test build deps configure clean

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

clean:
	rm -rf $(BUILD)
