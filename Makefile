# Everyday developer targets; newcomers use ./run.sh and ./test.sh.
BUILD ?= build

.PHONY: build test run card-art screenshots bench test-sanitize fuzz install package format clean

build:
	cmake -S . -B $(BUILD) -G "Unix Makefiles" >/dev/null
	cmake --build $(BUILD) -j$$(nproc)

test:
	./test.sh

run:
	./run.sh

card-art: build
	cmake --build $(BUILD) --target card-art

# The README's pictures (docs/images), made anew from the real programs in Xvfb.
screenshots: build
	./scripts/screenshots.sh $(BUILD)

bench: build
	cmake --build $(BUILD) --target lochkartor-bench
	$(BUILD)/bench/lochkartor-bench

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	./scripts/test-sanitize.sh

# libFuzzer on the tube data loader (needs clang): FUZZ_SECONDS=600 make fuzz
FUZZ_SECONDS ?= 60
fuzz:
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G "Unix Makefiles" -DLOCHKARTOR_FUZZER=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build-fuzz -j$$(nproc) --target loader_fuzzer
	mkdir -p build-fuzz/corpus
	QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
		build-fuzz/tests/fuzz/loader_fuzzer -max_total_time=$(FUZZ_SECONDS) \
		-artifact_prefix=build-fuzz/ build-fuzz/corpus tests/data/tubes

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package lochkartor_<version>_<arch>.deb, left in this folder.
package: build
	cd $(BUILD) && cpack -G DEB
	mv $(BUILD)/lochkartor_*.deb .

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
