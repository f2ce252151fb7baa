# Thin wrapper over CMake for the two things a newcomer wants.
#   make run    install what is missing, build, start the converter
#   make test   install what is missing, build, run every test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup build run test bench clean

all: build

setup:
	@scripts/setup.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/quenby

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/bench.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
