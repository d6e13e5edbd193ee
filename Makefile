# The README's commands. `make test` is what CI runs.
APP ?= osmira
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(CI),)
CMAKE_FLAGS += -DWARNINGS_AS_ERRORS=ON
endif

.PHONY: deps configure build test bench run screenshots format format-check clean

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

# Every tracked C++ source in the repository's .clang-format style; CI runs format-check.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD)
