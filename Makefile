# The two set-up commands: `make run` and `make test`. Each installs any missing Debian
# packages, then configures and builds into build/.
BUILD_DIR := build

.PHONY: run test build deps package clean

run: build
	./$(BUILD_DIR)/gibbetry

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

build: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

deps:
	@sh tools/install-deps.sh

# A Debian package in build/, named after the version CMake defines.
package: build
	@sh tools/install-deps.sh package
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
