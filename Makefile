# SPDX-License-Identifier: MIT
# Quillon: `make demo` and `make test` do everything, installing what is missing first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

# Every Debian package the build, the tests and the tools need.
DEB_PACKAGES := build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-svg-dev libre2-dev libcli11-dev nlohmann-json3-dev libzip-dev zlib1g-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  gerbv camv-rnd tcsh xvfb xauth clang libclang-rt-14-dev nodejs python3 \
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin help2man groff-base \
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev hershey-fonts-data lintian strace

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local

.PHONY: all deps build test test-release test-asan demo demo-files bench fuzz format clean install package

all: build

deps:
	@missing="$$(for p in $(DEB_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done)"; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@# Some node builds bring npm with them; Debian's own comes as a package.
	@command -v npm >/dev/null || { $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq npm; }
	@# Installed again when the lock file lists more than node_modules holds.
	@if [ -f tests/node/package.json ] && { [ ! -d tests/node/node_modules ] || \
	    [ tests/node/package-lock.json -nt tests/node/node_modules/.package-lock.json ]; }; then \
	  (cd tests/node && npm ci --no-audit --no-fund --silent) || \
	  (cd tests/node && npm install --no-audit --no-fund --silent); \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DQUILLON_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# `make install PREFIX=$HOME/.local` installs without root.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package lands in the build folder (quillon_<version>_<arch>.deb).
package: build
	cd $(BUILD) && cpack

test-release: build
	cd $(BUILD) && QUILLON_REQUIRE_READERS=1 ctest --output-on-failure -j $(JOBS) --timeout 600

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_WERROR=ON \
	  -DQUILLON_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QUILLON_REQUIRE_READERS=1 ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 900

FUZZ_BUILD ?= build-fuzz
FUZZERS := FuzzLoad FuzzParse FuzzConvert

$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_FUZZ=ON

# Runs each harness for FUZZ_SECONDS on the committed seed corpus with its
# dictionary; what the fuzzer finds new is kept under the build folder. A
# crash, leak, timeout or broken property fails the target and leaves the
# input in $(FUZZ_BUILD)/crashes (shrink it with -minimize_crash=1 and add it
# to tests/robust as a regression test).
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for f in $(FUZZERS); do \
	  name=$$(echo $$f | sed 's/Fuzz//' | tr A-Z a-z); \
	  work=$(FUZZ_BUILD)/corpus/$$f; log=$(FUZZ_BUILD)/$$f.log; \
	  mkdir -p $$work $(FUZZ_BUILD)/crashes; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  if ! $(FUZZ_BUILD)/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	      -rss_limit_mb=2048 -max_len=65536 -dict=tests/fuzz/$$name.dict \
	      -artifact_prefix=$(FUZZ_BUILD)/crashes/$$f- -print_final_stats=1 \
	      $$work tests/fuzz/corpus/$$name >$$log 2>&1; then \
	    tail -n 60 $$log; echo "$$f found a failing input:"; \
	    ls $(FUZZ_BUILD)/crashes | grep "^$$f-" || true; exit 1; \
	  fi; \
	  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' $$log || true; \
	done

test: test-release test-asan
	$(MAKE) fuzz FUZZ_SECONDS=20

DEMO_OUT ?= out/demo

demo: build
	@$(MAKE) --no-print-directory demo-files
	@if [ -x $(BUILD)/quillon ]; then echo "Start the window with: $(BUILD)/quillon"; fi

# The demo's files from the program already built (the tests run this on
# their own build, into a folder of their own). A Gerber conversion's main
# file is its CAM350 text macro: .scr, so that every .gbr is Gerber.
demo-files:
	@mkdir -p $(DEMO_OUT)
	$(BUILD)/quillon-cli info examples/demo.plt
	@if $(BUILD)/quillon-cli convert --help >/dev/null 2>&1; then \
	  for f in cam350 genesis gerber; do \
	    ext=scr; [ $$f = genesis ] && ext=csh; \
	    mkdir -p $(DEMO_OUT)/$$f; \
	    $(BUILD)/quillon-cli convert examples/demo.plt --pins examples/demo-pins.txt \
	      --format $$f --answers yes-all -o $(DEMO_OUT)/$$f/demo.$$ext || exit 1; \
	  done; \
	  echo "Wrote:"; find $(DEMO_OUT) -type f | sort; \
	fi

bench: build
	@if [ -x $(BUILD)/quillon-bench ]; then $(BUILD)/quillon-bench; fi

format:
	find model pins font script app cli tests bench examples -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) out
