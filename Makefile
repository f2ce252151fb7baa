# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrapper over CMake for the two things a newcomer wants.
#   make run    install what is missing, build, start the converter
#   make test   install what is missing, build everything (tests, benchmarks,
#               stress and fuzz programs), run every test
#   make sanitize   the same tests built with AddressSanitizer and
#                   UndefinedBehaviorSanitizer, in a build folder of their own
#   make install    build the program and install it for the current user,
#                   into ~/.local or PREFIX=<dir>
#   make uninstall  take it back out of the same prefix, keeping the
#                   user's preferences and own profiles
#   make deb        build the Debian package quenby_<version>_<arch>.deb
#                   here, for `sudo apt install ./quenby_*.deb`
#   make translations  update translations/*.ts from the sources (lupdate)
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local

.PHONY: all setup build run test sanitize bench install uninstall deb translations clean

all: build

setup:
	@scripts/setup.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the program and its staged folder: the tests wait for `make test`.
run: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quenby
	$(BUILD_DIR)/app/quenby

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

sanitize: setup
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DQUENBY_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/bench.sh $(BUILD_DIR)

# Only what is installed is built. The prefix is made absolute first: the
# desktop entry names the launcher by its full path.
install: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quenby quenby_icons
	cmake --install $(BUILD_DIR) --prefix "$$(realpath -m "$(PREFIX)")"

uninstall:
	cmake -DPREFIX="$$(realpath -m "$(PREFIX)")" -P cmake/Uninstall.cmake

# The package lands here, beside this Makefile, for `sudo apt install ./quenby_*.deb`.
deb: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quenby quenby_icons
	cd $(BUILD_DIR) && rm -f quenby_*.deb && cpack -G DEB
	mv $(BUILD_DIR)/quenby_*.deb .

# New texts come into the .ts files unfinished, for the translators.
translations: setup $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target translations

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
