# Two commands do all set-up on a fresh Debian 12 machine:
#   make run   - install missing packages, build (Release), start Quarvel
#   make test  - install missing packages, build, run every test, then the same
#                tests again in a build with AddressSanitizer and UBSan
JOBS ?= $(shell nproc)
RELEASE := build/release
SANITIZE := build/asan

.PHONY: run test deps build build-asan test-release test-asan screens package clean

run: build
	./$(RELEASE)/src/quarvel

test: test-release test-asan

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=ON
	cmake --build $(SANITIZE) -j $(JOBS)

test-release: build
	cd $(RELEASE) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

screens: build
	./$(RELEASE)/tools/screens build/screens

clean:
	rm -rf build
