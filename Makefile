# The two set-up commands: `make run` and `make test`. Each installs any missing Debian
# packages, then configures and builds into build/.
BUILD_DIR := build
CHECK_DIR := build-check
FUZZ_DIR := build-fuzz
FUZZ_SECONDS := 60

.PHONY: run test build deps package check bench fuzz clean

run: build
	./$(BUILD_DIR)/gibbetry

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

build: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, the monkey player at
# its full length.
check: deps
	@[ -f $(CHECK_DIR)/build.ninja ] || cmake -S . -B $(CHECK_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=Debug -DGIBBETRY_SANITIZE=ON
	cmake --build $(CHECK_DIR)
	QT_QPA_PLATFORM=offscreen GIBBETRY_MONKEY_ACTIONS=20000 \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(CHECK_DIR) --output-on-failure -j2

deps:
	@sh tools/install-deps.sh

# Each fuzz target for FUZZ_SECONDS, from the seeds in tests/fuzz/corpus/ (libFuzzer, clang).
fuzz:
	@sh tools/install-deps.sh fuzz
	@[ -f $(FUZZ_DIR)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGIBBETRY_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target fuzz_word_list fuzz_settings fuzz_settings_text
	for target in word_list settings settings_text; do \
		mkdir -p $(FUZZ_DIR)/corpus/$$target && \
		./$(FUZZ_DIR)/tests/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-max_len=65536 $(FUZZ_DIR)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

# Speed of the word-list read and of a new game (Google Benchmark).
bench: build
	@sh tools/install-deps.sh bench
	cmake -S . -B $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) --target gibbetry-bench
	./$(BUILD_DIR)/bench/gibbetry-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The Debian package, build/gibbetry_<version>_amd64.deb, built afresh by debian/rules in
# build-deb/.
package:
	@sh tools/install-deps.sh package
	debian/rules clean
	$(if $(filter 0,$(shell id -u)),,fakeroot) debian/rules binary DEB_OUT=$(CURDIR)/$(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(CHECK_DIR) $(FUZZ_DIR)
	debian/rules clean
