# The README's commands. `make test` is what CI runs.
APP ?= osmira
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(CI),)
CMAKE_FLAGS += -DWARNINGS_AS_ERRORS=ON
endif

.PHONY: deps configure build test bench run screenshots package format format-check clean test-sanitize fuzz

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Engines, then interactions on the real widgets, then start-up beside a bare Qt window: one table.
bench: build
	@bash benchmarks/run-all $(BUILD)

run: build
	bash scripts/run-app $(APP) $(BUILD)

screenshots: build
	@set -e; mkdir -p $(BUILD)/screenshots; \
	for s in $(BUILD)/bin/*-screenshots; do \
	  [ -x "$$s" ] || continue; echo "== $$s"; QT_QPA_PLATFORM=offscreen "$$s" $(BUILD)/screenshots; done; \
	ls $(BUILD)/screenshots

# One Debian package per program (varquen, osmira, zudaviror) in $(BUILD)/packages; `sudo apt
# install ./FILE.deb` installs one. The packages are built apart, in $(BUILD)/deb, with Debian's
# hardening flags as dpkg-buildflags gives them (fortify, stack protector, relro with bindnow,
# PIE); only the programs, their tools and their manual pages are built for them.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	cmake -S . -B $(BUILD)/deb $(CMAKE_FLAGS) -DSUITE_PACKAGE_DIR=$(abspath $(BUILD))/packages \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(BUILD)/deb -j $(JOBS) --target varquen varquen-cli osmira osmira-cli osmira_printing \
	  zudaviror zudaviror-cli suite-docs
	cd $(BUILD)/deb && cpack -G DEB
	@ls $(BUILD)/packages/*.deb

# Every tracked C++ source in the repository's .clang-format style; CI runs format-check.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD)

SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer: the first report
# ends the test with a failure, leaks included (Qt's own are suppressed by fuzz/lsan.supp).
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSUITE_SANITIZERS=address,undefined
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang) built in $(FUZZ_BUILD) and run FUZZ_SECONDS each: executions and
# findings per target; any finding fails.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DSUITE_FUZZ=ON -DSUITE_SANITIZERS=address,undefined,fuzzer-no-link
	cmake --build $(FUZZ_BUILD) --target suite-fuzz-targets -j $(JOBS)
	@bash fuzz/run-all $(FUZZ_BUILD) $(FUZZ_SECONDS)
