# The two set-up commands: `make run` builds and starts the calculator, `make test` builds and
# runs every test. Both install missing Debian packages first (as root).
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_EXTRA ?=

.PHONY: all deps configure build test run asan format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_EXTRA) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/corvel-cli ud --resin "ACG LTM 10" --fibre "E-Glass" --vf 60 \
		--elastic CCA --thermal CCA

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	@$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug \
		CMAKE_EXTRA=-DCORVEL_SANITIZE=ON

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan
