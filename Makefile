# Two commands do everything on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, assembles build/app and starts the navigator there
#   make test  the same set-up, then the whole test suite
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build app run test clean

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

clean:
	rm -rf $(BUILD)
