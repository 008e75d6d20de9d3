# Velmoria: every set-up step a fresh machine needs is here.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
TSAN_BUILD ?= build-tsan
COVERAGE_BUILD ?= build-coverage
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=
PREFIX     ?= /usr/local

PACKAGES = build-essential cmake ninja-build pkg-config libgtest-dev libbenchmark-dev \
           qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-documentation-tools libqt6sql6-sqlite libicu-dev xvfb xauth x11-utils \
           fonts-liberation2 fonts-dejavu-core poppler-utils \
           cups cups-client printer-driver-cups-pdf \
           librsvg2-bin desktop-file-utils appstream shared-mime-info man-db lintian strace \
           libglib2.0-bin python3-gi zlib1g-dev acl xclip \
           gettext libsqlite3-dev sqlite3 libxxhash-dev qt6-charts-dev libqt6opengl6-dev \
           qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev libspeechd-dev \
           speech-dispatcher speech-dispatcher-espeak-ng espeak-ng pulseaudio pulseaudio-utils sox
# The light and dark windows' test: a private session bus for the fake settings portal.
PACKAGES += dbus-bin dbus-daemon
# KVTML import and export (libxml2), and xmllint, which checks an exported file against the format's DTD.
PACKAGES += libxml2-dev libxml2-utils
# The program natively under Wayland, and the headless compositor its test runs it in.
PACKAGES += qt6-wayland weston
# The daily reminder: GIO's D-Bus client for the desktop's notifications (velmoria-cli remind), and
# the private session bus of its test.
PACKAGES += libglib2.0-dev dbus-daemon
# Deck packages in and out: zip archives, zstd-compressed collections, HTML fields, SHA-1 checksums.
PACKAGES += libzip-dev libzstd-dev libxml2-dev nettle-dev
# The desktop's font configuration, read on a second thread while the window starts.
PACKAGES += libfontconfig-dev
# An independent reader of exported packages in the tests and the deck bench (with sqlite3).
PACKAGES += unzip
FUZZ_PACKAGES = clang libclang-rt-14-dev
FORMAT_PACKAGES = clang-format
COVERAGE_PACKAGES = gcovr

# The screen-reader test: the accessibility bus on a private session bus, read through AT-SPI.
PACKAGES += python3-pyatspi at-spi2-core dbus

# The model's test programs, one per layer (tests/CMakeLists.txt; target model_tests builds them all).
MODEL_TESTS = evaluation_tests core_tests exchange_tests review_tests settings_tests printing_tests \
              testing_tests speech_tests cli_tests deck_tests
# The suites that run code on more than one thread: long tasks, the background writer (saves and
# recovery copies) and the locale tables shared between threads.
TSAN_CORE_TESTS = BackgroundWriter.*:RecoveryCopy.*
TSAN_EVALUATION_TESTS = LocaleText*
TSAN_GUI_TESTS = LongTask.*
TSAN_OPTIONS_ALL = halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps build test run bench fuzz asan-test tsan-test format-check coverage clean examples screenshots install package translations

all: build

# Installs only what is missing, so a prepared machine pays nothing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Starts the program on the example list; without a display it shows the list on the terminal.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/src/velmoria examples/German-English.vmr; \
	else \
	  echo "No display: showing the example list with velmoria-cli instead of the window."; \
	  $(BUILD)/src/velmoria-cli info examples/German-English.vmr; \
	  $(BUILD)/src/velmoria-cli list examples/German-English.vmr; \
	fi

# Installs under $(PREFIX) (default /usr/local); DESTDIR, when set, is put before it.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD): install it with sudo apt install ./$(BUILD)/velmoria_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

# The .ts files in translations/ take the window's strings as the sources hold them now (new ones
# unfinished for the translators; strings gone from the sources are dropped, git keeps them), and
# po/ the desktop files' texts.
translations: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target translations

bench: build
	$(BUILD)/bench/velmoria-bench

asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORIA_SANITIZE=ON -DVELMORIA_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

tsan-test: deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORIA_TSAN=ON -DVELMORIA_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target core_tests evaluation_tests gui_tests
	TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" $(TSAN_BUILD)/tests/core_tests --gtest_filter='$(TSAN_CORE_TESTS)'
	TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" $(TSAN_BUILD)/tests/evaluation_tests --gtest_filter='$(TSAN_EVALUATION_TESTS)'
	QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" \
	  $(TSAN_BUILD)/tests/gui_tests --gtest_filter='$(TSAN_GUI_TESTS)'

# Checks every tracked source file against .clang-format without changing any.
format-check:
	$(call install_missing,$(FORMAT_PACKAGES))
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# Which source lines the unit suites reach: a change to the tests should not lose any.
coverage: deps
	$(call install_missing,$(COVERAGE_PACKAGES))
	cmake -S . -B $(COVERAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage -O1" \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DVELMORIA_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(COVERAGE_BUILD) -j $(JOBS) --target model_tests gui_tests velmoria-cli velmoria-testdrive
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	for t in $(MODEL_TESTS); do $(COVERAGE_BUILD)/tests/$$t --gtest_brief=1 || exit 1; done
	QT_QPA_PLATFORM=offscreen $(COVERAGE_BUILD)/tests/gui_tests --gtest_brief=1
	gcovr -r . --object-directory $(COVERAGE_BUILD) --filter 'src/' --print-summary \
	  --json $(COVERAGE_BUILD)/coverage.json

fuzz: deps fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORIA_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@# One fuzzer per processor at a time; each one's output is shown when it ends, whole if it failed.
	@printf '%s\n' $(FUZZ_BUILD)/fuzz/fuzz_* | xargs -P $(JOBS) -n 1 sh -c '\
	  t=$$0; name=$$(basename $$t); corpus=fuzz/corpus/$${name#fuzz_}; work=$(FUZZ_BUILD)/corpus-$${name#fuzz_}; \
	  mkdir -p $$work; cp -r $$corpus/. $$work/ 2>/dev/null || true; log=$(FUZZ_BUILD)/$$name.log; \
	  $$t -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 -print_final_stats=1 $$work >$$log 2>&1; \
	  status=$$?; echo "== $$name for $(FUZZ_SECONDS) s: exit $$status"; \
	  if [ $$status = 0 ]; then tail -n 8 $$log; else cat $$log; fi; exit $$status'

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) $(COVERAGE_BUILD)

# The bundled example list is built from its source by the program's own code.
examples: build
	examples/build-examples.sh $(BUILD)/src/velmoria-cli

# Pictures of the window and dialogs in $(BUILD)/screenshots, drawn on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/velmoria-screenshots examples/German-English.vmr $(BUILD)/screenshots
	# The same on screens scaled to 200% and 150%, to see that nothing is cut off or blurred.
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tools/velmoria-screenshots examples/German-English.vmr $(BUILD)/screenshots-200
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $(BUILD)/tools/velmoria-screenshots examples/German-English.vmr $(BUILD)/screenshots-150
