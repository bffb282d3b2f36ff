# Quick start: `make run` builds and starts Lorvane, `make test` builds and runs every test.
# Both install the Debian packages that are missing first.

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-sanitize bench format translations install package clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
		echo "Lorvane is a desktop program and needs a graphical session, but no display was found"; \
		echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from your desktop, or run"; \
		echo "'make test' to check the build without a display."; \
		exit 1; \
	fi
	@$(BUILD)/bin/lorvane

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DLORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# Every benchmark offscreen, and the conversion benchmark again on a real X server (Xvfb),
# where drawing and pointer changes cost what they cost on a desktop.
bench: build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	@for b in $(BUILD)/bench/*; do [ -f "$$b" ] && [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true
	@xvfb-run -a env QT_QPA_PLATFORM=xcb $(BUILD)/bench/bench_conversion

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Brings every translations/lorvane_<language>.ts up to date with the texts in the code: new
# texts arrive unfinished, for the translator; `make test` fails until each is translated.
# A new language: `make translations LANGUAGES=sv` (see the README).
translations: deps
	@/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete app convert filelist platform \
		-ts $(wildcard translations/lorvane_*.ts) $(foreach l,$(LANGUAGES),translations/lorvane_$(l).ts)

install: build
	@cmake --install $(BUILD)

# A Debian package, build/lorvane_<version>_amd64.deb (apt-get install ./build/lorvane_*.deb).
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD)
