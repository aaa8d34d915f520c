# VexoLoad: `make demo` shows the installer under Wine, `make test` runs every test.
# Both install what is missing first (Debian packages), then build.

BUILD      := build
HOST_DIR   := $(BUILD)/host
WIN64_DIR  := $(BUILD)/win64
WIN32_DIR  := $(BUILD)/win32
JOBS       ?= $(shell nproc)
CMAKE_TYPE ?= RelWithDebInfo

.PHONY: all deps host win64 win32 test demo clean

all: host win64 win32

deps:
	@scripts/install-deps

host: deps
	cmake -S . -B $(HOST_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) >/dev/null
	cmake --build $(HOST_DIR) -j $(JOBS)

win64: host
	cmake -S . -B $(WIN64_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DVEXO_HOST_TOOLS=$(abspath $(HOST_DIR)) >/dev/null
	cmake --build $(WIN64_DIR) -j $(JOBS)

# The 32-bit build proves the program still compiles and links for i686.
win32: host
	cmake -S . -B $(WIN32_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) -DVEXO_BUILD_TESTS=OFF \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DVEXO_HOST_TOOLS=$(abspath $(HOST_DIR)) >/dev/null
	cmake --build $(WIN32_DIR) -j $(JOBS)

test: all
	scripts/run-tests

demo: all
	scripts/demo

clean:
	rm -rf $(BUILD)
