# VexoLoad: `make demo` shows the installer under Wine, `make test` runs every test.
# Both install what is missing first (Debian packages), then build.

BUILD      := build
HOST_DIR   := $(BUILD)/host
WIN64_DIR  := $(BUILD)/win64
WIN32_DIR  := $(BUILD)/win32
WINGT_DIR  := $(BUILD)/win64-gtest
JOBS       ?= $(shell nproc)
CMAKE_TYPE ?= RelWithDebInfo

FUZZ_DIR   := $(BUILD)/fuzz
SAN_DIR    := $(BUILD)/host-sanitize
SAN_FLAGS  := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

FUZZ_SECONDS ?= 60

# Another backdrop picture: make VEXO_BACKDROP=path/to/picture.pcx. Given to every
# Windows tree alike; the i686 tree's same_resources test holds its program to
# the x64 one's.
BACKDROP_OPT := $(if $(VEXO_BACKDROP),-DVEXO_BACKDROP=$(abspath $(VEXO_BACKDROP)))

# CMake reads a tree's toolchain file only when it first configures the tree;
# given again, it would be reported as a variable the project did not use.
toolchain = $(if $(wildcard $(1)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=$(2))

CONFIGURE_HOST  = cmake -S . -B $(HOST_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) >/dev/null
CONFIGURE_WIN64 = cmake -S . -B $(WIN64_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) \
	  $(call toolchain,$(WIN64_DIR),cmake/mingw-x86_64.cmake) -DVEXO_HOST_TOOLS=$(abspath $(HOST_DIR)) $(BACKDROP_OPT) >/dev/null

.PHONY: all deps host win64 win32 win64-gtest sanitize fuzzers release i686-tree test demo demo-programs fuzz bench clean

all: host win64 win32 win64-gtest

deps:
	@scripts/install-deps

host: deps
	$(CONFIGURE_HOST)
	cmake --build $(HOST_DIR) -j $(JOBS)

win64: host
	$(CONFIGURE_WIN64)
	cmake --build $(WIN64_DIR) -j $(JOBS)

# The GoogleTest of the Win32 layer, with the posix thread model GoogleTest needs.
win64-gtest: host
	cmake -S . -B $(WINGT_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) -DVEXO_WIN_GTEST=ON \
	  $(call toolchain,$(WINGT_DIR),cmake/mingw-x86_64-posix.cmake) -DVEXO_HOST_TOOLS=$(abspath $(HOST_DIR)) $(BACKDROP_OPT) >/dev/null
	cmake --build $(WINGT_DIR) -j $(JOBS)

# The 32-bit build: the same program for i686, checked statically (its imports,
# header and resources against the x64 build); make test runs the scenarios
# against it in a tree of its own (scripts/i686-tree), since these machines'
# kernels refuse 32-bit code.
win32: host
	cmake -S . -B $(WIN32_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) -DVEXO_BUILD_TESTS=OFF \
	  $(call toolchain,$(WIN32_DIR),cmake/mingw-i686.cmake) -DVEXO_HOST_TOOLS=$(abspath $(HOST_DIR)) \
	  -DVEXO_X64_BUILD=$(abspath $(WIN64_DIR)) $(BACKDROP_OPT) >/dev/null
	cmake --build $(WIN32_DIR) -j $(JOBS)

# The native tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" >/dev/null
	cmake --build $(SAN_DIR) -j $(JOBS)

# The libFuzzer harnesses, built by clang from the same CMake targets as the
# corpus replay of the native tests; make test builds them, make fuzz runs them.
fuzzers: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DVEXO_FUZZ=ON -DVEXO_BUILD_TESTS=OFF >/dev/null
	cmake --build $(FUZZ_DIR) --target fuzzers -j $(JOBS)

# The shipped programs in dist/ (scripts/make-release); SIGN_CERT and SIGN_KEY
# (PEM), or SIGN_PKCS12, sign them, SIGN_TIMESTAMP_URL time-stamps the signatures.
release: deps
	SIGN_CERT="$(SIGN_CERT)" SIGN_KEY="$(SIGN_KEY)" SIGN_PKCS12="$(SIGN_PKCS12)" SIGN_PASS_FILE="$(SIGN_PASS_FILE)" \
	  SIGN_TIMESTAMP_URL="$(SIGN_TIMESTAMP_URL)" VEXO_BACKDROP="$(VEXO_BACKDROP)" JOBS=$(JOBS) scripts/make-release

# The tree where the scenarios run the 32-bit program, made on first use: a
# machine that cannot run it says so before the build. VEXO_SKIP_I686=1 skips it.
i686-tree: deps
	@[ "$(VEXO_SKIP_I686)" = 1 ] || scripts/i686-tree ensure >/dev/null

test: i686-tree all sanitize fuzzers release
	scripts/run-tests

demo: demo-programs
	scripts/demo

# Only what the demo runs: the native tools the x64 tree and the demo's ending
# use, then the installer, the driver, the stand-in Palm Desktop and the fixtures.
demo-programs: deps
	$(CONFIGURE_HOST)
	cmake --build $(HOST_DIR) -j $(JOBS) --target msgtable make_icons palmusers qpk samples
	$(CONFIGURE_WIN64)
	cmake --build $(WIN64_DIR) -j $(JOBS) --target VexoLoad driver palm_desktop_stub vexo_fixtures

# Each fuzzer for FUZZ_SECONDS (a minute by default), one after the other.
fuzz: fuzzers
	fuzz/run-fuzzers $(FUZZ_SECONDS)

# The benchmarks beside their baselines (bench/README.md); not part of make test.
bench: all
	build/host/archive_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bench/run-bench

clean:
	rm -rf $(BUILD)
