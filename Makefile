# Two commands do everything on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, assembles build/app and starts the navigator there
#   make test  the same set-up, then the whole test suite
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build app run test test-sanitize fuzz clean bench package

all: app

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	@cmake --build $(BUILD)

app: build
	@scripts/assemble-app $(BUILD)

run: app
	cd $(BUILD)/app && ./talvinsk

test: app
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The Debian package of the installed form, built by CPack from this build:
# $(BUILD)/talvinsk_<version>_<arch>.deb (the launcher in /usr/bin, the
# navigator in /usr/lib/talvinsk, its data in /usr/share/talvinsk).
package: app
	cd $(BUILD) && cpack -G DEB

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Leak detection is off: Qt keeps its singletons, fonts and plugins alive until the
# process ends on purpose, so every test would report them as leaks at exit.
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -g
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test-sanitize: deps
	@if [ ! -f $(SANITIZE_BUILD)/build.ninja ]; then \
	  cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
	    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"; fi
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) --parallel $(JOBS)
	@scripts/assemble-app $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# libFuzzer runs of the loaders of files and embedded tables (tests/fuzz), built by
# clang in a build of their own. Each target runs for FUZZ_SECONDS on a copy of its
# seed corpus, so that the committed seeds stay small.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: deps
	@tests/fuzz/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)

# The benchmark report: a Release build of its own in build-bench, then one
# table of every figure against its baseline. The start-up harness runs in a
# copy of the application folder, bench-app.
BENCH_BUILD ?= build-bench

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALV_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) --target talv_bench -- -j2
	@scripts/assemble-app $(BENCH_BUILD)
	@cd $(BENCH_BUILD)/app && find . -type f ! -name talvinsk | while read -r f; do \
	  install -D -m 644 "$$f" "../bench-app/$$f"; done
	@cd $(BENCH_BUILD) && ./bench/talv_bench
