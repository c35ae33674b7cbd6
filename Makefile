# Thin wrapper over scripts/bootstrap and the CMake presets.
#   make run    install what is missing, build, launch Penwick
#   make test   install what is missing, build, run the whole test suite headless
PRESET ?= dev

.PHONY: run test build bootstrap bench screenshots format clean

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	@build/$(PRESET)/src/penwick

test: build
	@ctest --preset $(PRESET)

bench: build
	@cd build/$(PRESET) && ./bench/bench

screenshots: build
	@QT_QPA_PLATFORM=offscreen build/$(PRESET)/tools/screenshots build/screenshots

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build
