# Two commands do all set-up on a fresh Debian 12 machine:
#   make run   - install missing packages, build (Release), start Quarvel
#   make test  - install missing packages, check the layout of every C++ file
#                (clang-format), build, run every test, then the same
#                tests again in a build with AddressSanitizer and UBSan, then
#                build every libFuzzer target and run each for a few seconds
#   make package - the Debian package build/release/quarvel_<version>_<arch>.deb
JOBS ?= $(shell nproc)
RELEASE := build/release
SANITIZE := build/asan

.PHONY: run test deps build build-asan test-release test-asan screens package clean \
  build-fuzz fuzz test-fuzz format format-check mutants

run: build
	./$(RELEASE)/src/quarvel

test: format-check test-release test-asan test-fuzz

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

# Every C++ file as .clang-format lays it out; `make format` rewrites them so.
SOURCES = find src tests tools bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0

format-check: deps
	@$(SOURCES) | xargs -0 clang-format --dry-run -Werror
	@echo "clang-format: every C++ file is laid out as .clang-format says"

format: deps
	$(SOURCES) | xargs -0 clang-format -i

package: build
	cmake --build $(RELEASE) --target package

# Plants each fault of tools/mutants/faults.txt, one at a time, in a scratch
# copy of the last commit (build/mutants) and reports which the tests catch.
# Not part of `make test`: it rebuilds and reruns the suite once per fault.
mutants: deps
	python3 tools/mutants/mutants.py

screens: build
	./$(RELEASE)/tools/screens build/screens

# The libFuzzer targets that fuzz/CMakeLists.txt lists, built with clang.
# `make fuzz` runs each for FUZZ_SECONDS; what a run finds beyond the seed
# corpus stays in build/fuzz/corpus. `make test` runs each for
# FUZZ_TEST_SECONDS on a scratch corpus, so a fuzz build that no longer links
# or a target that fails on its seeds stops the tests.
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 3

build-fuzz: deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DQUARVEL_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS) --target fuzzers

# $(1): seconds per target, $(2): the folder of the targets' own corpora.
# Each run's output goes to build/fuzz/logs and is shown when the run fails.
define run-fuzzers
	@test -s $(FUZZ)/fuzz/fuzzers.txt
	@mkdir -p $(FUZZ)/logs
	@for f in $$(cat $(FUZZ)/fuzz/fuzzers.txt); do \
	  name=$${f#fuzz_}; log=$(FUZZ)/logs/$$name.log; \
	  mkdir -p $(2)/$$name || exit 1; \
	  if $(FUZZ)/fuzz/$$f -max_total_time=$(1) -timeout=60 -max_len=2048 -artifact_prefix=$(FUZZ)/ \
	       $(2)/$$name fuzz/corpus >$$log 2>&1; then \
	    echo "$$f: $$(grep '^Done' $$log)"; \
	  else \
	    tail -n 60 $$log; echo "$$f failed; its whole output is in $$log"; exit 1; \
	  fi; \
	done
endef

fuzz: build-fuzz
	$(call run-fuzzers,$(FUZZ_SECONDS),$(FUZZ)/corpus)

test-fuzz: build-fuzz
	rm -rf $(FUZZ)/scratch
	$(call run-fuzzers,$(FUZZ_TEST_SECONDS),$(FUZZ)/scratch)

clean:
	rm -rf build
