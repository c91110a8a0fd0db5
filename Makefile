# Convenience wrapper around CMake. `make run` builds the programs and their
# resources and shows a pony, `make test` builds the rest and runs every
# test, `make golden` rewrites the files that tests compare output with,
# `make package-windows` cross-builds the Windows zip (MinGW-w64; the
# native build converts its resources).
BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all libraries build programs run tests-built test golden install uninstall package windows package-windows clean

all: build

# The header that trotconv decodes pictures with, installed when missing.
libraries:
	tools/build-libraries.sh

$(BUILD)/CMakeCache.txt: | libraries
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

programs: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target programs

run: programs
	cd $(BUILD) && ./trotspeak $(ARGS)

# The test libraries may have been installed since the last configure, so
# the build is configured again before it is built.
tests-built: $(BUILD)/CMakeCache.txt
	tools/test-libraries.sh $(BUILD)
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

test: tests-built
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS)

# Rewrites every file under tests/golden/ from what the programs draw now,
# for output that changes on purpose; review the diff before committing.
golden: tests-built
	cd $(BUILD) && TROT_UPDATE_GOLDEN=1 ctest --no-tests=error -j $(JOBS) >/dev/null
	git status --short tests/golden

install: programs
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

uninstall: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target uninstall

package: programs
	cd $(BUILD) && cpack -G DEB

$(WINDOWS_BUILD)/CMakeCache.txt: | programs
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake \
	  -DTROT_HOST_TROTCONV=$(abspath $(BUILD))/trotconv -DTROT_TESTS=OFF

windows: programs $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

package-windows: windows
	cd $(WINDOWS_BUILD) && cpack -G ZIP

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
