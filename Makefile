# The two commands a newcomer needs: `make run` and `make test`. Both set up a fresh Debian 12
# machine first (missing packages through apt-get, with sudo when not root), then build.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_RUNS ?= 1000
FUZZ_TARGETS := fuzz_persona fuzz_saved_game fuzz_fen fuzz_uci
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := $(shell grep -v '^\#' tools/debian-packages.txt)

.PHONY: run test check setup build build-asan build-fuzz test-release test-asan fuzz-smoke install \
	bench match calibrate stockfish format format-check clean

run: install
	$(PREFIX)/bin/velmora-chess

# The game for the current user: program, installation directory, icon, desktop entry, and the
# InstallPath setting (~/.config/Kwo/VelMoraChess.conf).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Everything CI runs: formatting, the release suite, the whole suite again under the sanitizers,
# and a short run of each fuzz target.
test: format-check test-release test-asan fuzz-smoke

# The inner loop: the release suite alone.
check: test-release

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

# The libFuzzer targets of tests/fuzz, built with clang.
build-fuzz: setup
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets

# Each fuzz target for a fixed number of runs from its seed corpus, with a fixed seed. New inputs
# go to a scratch folder, never into the corpus in the repository.
fuzz-smoke: build-fuzz
	@for t in $(FUZZ_TARGETS); do \
		scratch=$$(mktemp -d); \
		$(FUZZ_DIR)/bin/$$t -runs=$(FUZZ_RUNS) -seed=1 -timeout=20 $$scratch tests/fuzz/corpus/$$t \
			>$$scratch.log 2>&1; status=$$?; \
		grep -E '^#[0-9]+[[:space:]]+DONE' $$scratch.log | sed "s/^/$$t: /"; \
		if [ $$status -ne 0 ]; then cat $$scratch.log; fi; \
		rm -rf $$scratch $$scratch.log; \
		[ $$status -eq 0 ] || exit 1; \
	done

bench: build
	$(BUILD_DIR)/bin/velmora-engine perft 6

# Stockfish is installed for the matches and the calibration only; the game and the tests do
# not need it.
stockfish:
	@dpkg -s stockfish >/dev/null 2>&1 || { $(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y stockfish; }

# Real clocks against Stockfish.
MATCH_GAMES ?= 2
match: build stockfish
	python3 bench/match/referee.py $(BUILD_DIR)/bin/velmora-engine /usr/games/stockfish \
		--games $(MATCH_GAMES) --time 1 --inc 0
	python3 bench/match/referee.py $(BUILD_DIR)/bin/velmora-engine /usr/games/stockfish \
		--games $(MATCH_GAMES) --time 10 --inc 0.1

# The levels' strength table (docs/levels.md): about half an hour; rebuild afterwards to build the
# new table into the game.
calibrate: build stockfish
	python3 bench/match/calibrate.py $(BUILD_DIR)/bin/velmora-engine /usr/games/stockfish \
		--out resources/levels/strength.tsv

SOURCES = find src tools tests bench -name '*.cpp' -o -name '*.h'

format: setup
	$(SOURCES) | xargs clang-format -i

# Fails, naming the files, when any source is not as clang-format would write it.
format-check: setup
	@unformatted=$$($(SOURCES) | xargs clang-format --dry-run 2>&1 | grep 'warning:' | cut -d: -f1 | \
		sort -u); \
	if [ -n "$$unformatted" ]; then \
		echo "Not formatted (run make format):"; echo "$$unformatted"; exit 1; \
	fi; echo "format-check: all sources formatted"

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
