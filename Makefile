BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo

SANITIZE_BUILD ?= build-sanitize
# Qt and the font libraries keep memory until exit on purpose: leaks are not looked for.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all setup configure build run test test-sanitize bench package clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: start Orvane with 'xvfb-run -a make run' (package xvfb) or from a desktop session."; exit 1; fi
	@$(BUILD)/app/orvane

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DORVANE_SANITIZE=ON >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j2
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# build/orvane_<version>_amd64.deb
package: build
	@cd $(BUILD) && cpack -G DEB

bench: build
	@cmake --build $(BUILD) -j2 --target bench-run

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
