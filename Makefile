# make run builds the game alone and starts it; make test builds everything and runs the suite.
# Each target first installs the Debian packages it needs (tools/install-deps.sh).
BUILD_DIR := build
CHECK_DIR := build-check
FUZZ_DIR := build-fuzz
FUZZ_SECONDS := 60
CTEST := QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
CONFIGURE := @[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja

.PHONY: run test package-test build package check bench fuzz clean

# Only what the window needs: the game and its word lists, not the tests.
run:
	@sh tools/install-deps.sh
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) --target gibbetry
	./$(BUILD_DIR)/gibbetry

# The unit, window and install tests; the package's own test is make package-test.
test:
	@sh tools/install-deps.sh test
	$(CONFIGURE)
	cmake --build $(BUILD_DIR)
	$(CTEST) --test-dir $(BUILD_DIR) -LE package

build:
	@sh tools/install-deps.sh
	$(CONFIGURE)
	cmake --build $(BUILD_DIR)

# dpkg-buildpackage on a copy of the source, then lintian on what it made.
package-test:
	@sh tools/install-deps.sh package
	$(CONFIGURE)
	$(CTEST) --test-dir $(BUILD_DIR) -L package

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, the monkey player at
# its full length.
check:
	@sh tools/install-deps.sh test
	@[ -f $(CHECK_DIR)/build.ninja ] || cmake -S . -B $(CHECK_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=Debug -DGIBBETRY_SANITIZE=ON
	cmake --build $(CHECK_DIR)
	QT_QPA_PLATFORM=offscreen GIBBETRY_MONKEY_ACTIONS=20000 \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(CHECK_DIR) --output-on-failure -j2

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
bench:
	@sh tools/install-deps.sh bench
	cmake -S . -B $(BUILD_DIR) -G Ninja >/dev/null
	cmake --build $(BUILD_DIR) --target gibbetry-bench
	./$(BUILD_DIR)/bench/gibbetry-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The binary package, built by dpkg-buildpackage from a copy of the source; a copy of the .deb
# is left in build/.
package:
	@sh tools/install-deps.sh package
	work=$$(mktemp -d) && sh tools/build-package.sh . "$$work" -b && mkdir -p $(BUILD_DIR) && \
		cp "$$work"/gibbetry_*.deb $(BUILD_DIR)/ && rm -rf "$$work"

# debian/rules clean too where debhelper is installed (make run does not install it).
clean:
	rm -rf $(BUILD_DIR) $(CHECK_DIR) $(FUZZ_DIR)
	! command -v dh >/dev/null || debian/rules clean
