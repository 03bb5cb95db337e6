# SPDX-FileCopyrightText: 2026 The sumtrail authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Entry points: `make run` and `make test`; each target installs first what it needs of
# Debian's packages (scripts/install-deps), and nothing more.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
CMAKE_FLAGS ?=
# The folder the program keeps its files in, as when started from the menu.
DATA ?= $(HOME)/sumtrail

.PHONY: configure build run test test-asan style fuzz bench package screenshots fresh-machine clean

configure:
	@scripts/install-deps build
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The program keeps its files in the folder it is started in: DATA, never the checkout.
run: build
	@scripts/install-deps run
	@mkdir -p "$(DATA)"
	cd "$(DATA)" && "$(abspath $(BUILD_DIR))/bin/sumtrail"

test: build
	@scripts/install-deps run test
	@scripts/run-tests $(BUILD_DIR)

# A Debian package of the program, under the build folder: apt-get install ./sumtrail_*.deb
package: build
	@scripts/install-deps package
	@cmake --build $(BUILD_DIR) --target package

# The screenshots of docs/screenshots, taken by the program itself under a private X server;
# the fitted ones under Openbox on small and large screens at 100, 150 and 200 %.
screenshots: build
	@scripts/install-deps run screenshots
	@scripts/take-screenshots $(BUILD_DIR) docs/screenshots 1 de fr es
	@scripts/take-screenshots --fitted $(BUILD_DIR) docs/screenshots

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# with warnings as errors (as CI runs it).
test-asan:
	@scripts/install-deps build run test
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMTRAIL_SANITIZE=ON \
		-DSUMTRAIL_WERROR=ON >/dev/null
	@cmake --build build-asan
	@scripts/run-tests build-asan

# The house style as CI checks it: clang-format and clang-tidy's naming rules.
style: build
	@scripts/install-deps style
	@scripts/check-style $(BUILD_DIR)

# Each libFuzzer target for FUZZ_SECONDS, from the committed seed inputs.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps build fuzz
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSUMTRAIL_FUZZ=ON >/dev/null
	@cmake --build build-fuzz --target fuzz_targets
	@scripts/run-fuzz build-fuzz $(FUZZ_SECONDS)

# Benchmarks build in a folder of their own (inside the build folder), always optimised.
BENCH_DIR ?= $(BUILD_DIR)/bench-release

bench:
	@scripts/install-deps build run bench
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMTRAIL_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR)
	@for b in $(BENCH_DIR)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

# The README's `make test` on a pristine Debian 12 root, then the package installed with apt
# on another: fails, naming the step, when install-deps lacks a package. Needs root.
fresh-machine:
	@scripts/install-deps fresh-machine
	@scripts/check-fresh-machine

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
