# Thin wrapper over CMake for the two things a newcomer wants.
#   make run    install what is missing, build, start the converter
#   make test   install what is missing, build, run every test
#   make sanitize   the same tests built with AddressSanitizer and
#                   UndefinedBehaviorSanitizer, in a build folder of their own
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: all setup build run test sanitize bench clean

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

sanitize: setup
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DQUENBY_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/bench.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
