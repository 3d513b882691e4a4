# Two commands do all set-up on a fresh Debian 12 machine:
#   make run   - install missing packages, build (Release), start Quarvel
#   make test  - install missing packages, build, run every test, then the same
#                tests again in a build with AddressSanitizer and UBSan
#   make package - the Debian package build/release/quarvel_<version>_<arch>.deb
JOBS ?= $(shell nproc)
RELEASE := build/release
SANITIZE := build/asan

.PHONY: run test deps build build-asan test-release test-asan screens package clean fuzz

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

package: build
	cmake --build $(RELEASE) --target package

screens: build
	./$(RELEASE)/tools/screens build/screens

# Runs every libFuzzer target for FUZZ_SECONDS (clang build); what a run
# finds beyond the seed corpus stays in build/fuzz/corpus.
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
FUZZERS := ParsePlaceValue ParseDecimalPlaceValue NormalizeNotationAnswer DropZeroPlaces \
  ShiftDecimalDigits DekAnswer PlaceValueOperations

fuzz: deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DQUARVEL_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ)/corpus/$$f && \
	  ./$(FUZZ)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -max_len=2048 \
	    $(FUZZ)/corpus/$$f fuzz/corpus || exit 1; \
	done

clean:
	rm -rf build
