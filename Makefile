BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all setup configure build run test bench clean

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

bench: build
	@cmake --build $(BUILD) -j2 --target bench-run

clean:
	rm -rf $(BUILD)
