# Convenience wrapper around CMake. `make run` builds and shows a pony,
# `make test` builds and runs every test, `make package-windows` cross-builds
# the Windows zip (MinGW-w64; the native build converts its resources).
BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all libraries build run test install package windows package-windows clean

all: build

# The header that trotconv decodes pictures with, installed when missing.
libraries:
	tools/build-libraries.sh

$(BUILD)/CMakeCache.txt: | libraries
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./trotspeak $(ARGS)

# The test libraries may have been installed since the last configure, so
# the build is configured again before it is built.
test: $(BUILD)/CMakeCache.txt
	tools/test-libraries.sh $(BUILD)
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

package: build
	cd $(BUILD) && cpack -G DEB

$(WINDOWS_BUILD)/CMakeCache.txt: | build
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake \
	  -DTROT_HOST_TROTCONV=$(abspath $(BUILD))/trotconv -DTROT_TESTS=OFF

windows: build $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

package-windows: windows
	cd $(WINDOWS_BUILD) && cpack -G ZIP

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
