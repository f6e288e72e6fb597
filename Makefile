# Everyday developer targets; newcomers use ./run.sh and ./test.sh.
BUILD ?= build

.PHONY: build test run card-art format clean

build:
	cmake -S . -B $(BUILD) -G "Unix Makefiles" >/dev/null
	cmake --build $(BUILD) -j$$(nproc)

test:
	./test.sh

run:
	./run.sh

card-art: build
	cmake --build $(BUILD) --target card-art

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
