# The two set-up commands: `make run` and `make test`. Each installs any missing Debian
# packages, then configures and builds into build/.
BUILD_DIR := build

.PHONY: run test build deps clean

run: build
	./$(BUILD_DIR)/gibbetry

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

build: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

deps:
	@sh tools/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
