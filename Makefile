# The two commands a newcomer needs: `make run` and `make test`. Both set up a fresh Debian 12
# machine first (missing packages through apt-get, with sudo when not root), then build.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := $(shell grep -v '^\#' tools/debian-packages.txt)

.PHONY: run test setup build build-asan test-release test-asan install bench format clean

run: install
	$(PREFIX)/bin/velmora-chess

# The game for the current user: program, installation directory, icon, desktop entry, and the
# InstallPath setting (~/.config/Kwo/VelMoraChess.conf).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

test: test-release test-asan

setup:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build: setup
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: setup
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
		-DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

test-release: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: build-asan
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bin/velmora-engine perft 6

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
