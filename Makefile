# Thin wrapper over scripts/bootstrap and the CMake presets.
#   make run    install what is missing, build Penwick alone, launch it
#   make test   install what is missing, build, run the whole test suite headless
PRESET ?= dev
JOBS ?= $(shell getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)
BUILD := build/$(PRESET)

.PHONY: run test build configure bootstrap bench screenshots format check-format clean

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Only the application: the tests and the bench are not needed to use it.
run: configure
	@cmake --build --preset $(PRESET) -j $(JOBS) --target penwick
	@if [ -d $(BUILD)/src/penwick.app ]; then \
		$(BUILD)/src/penwick.app/Contents/MacOS/penwick; \
	else \
		$(BUILD)/src/penwick; \
	fi

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: configure
	@cmake --build --preset $(PRESET) -j $(JOBS) --target bench
	@cd $(BUILD) && ./bench/bench

screenshots: configure
	@cmake --build --preset $(PRESET) -j $(JOBS) --target screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots build/screenshots

format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

check-format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf build
