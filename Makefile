# make run  - install what is missing, build, start the editor
# make test - install what is missing, build, run every test (core tests also under ASan/UBSan)
# make fuzz - run each fuzz target for FUZZ_TIME seconds (clang, libFuzzer); see below
# make install, make package - see below
# make windows, make windows-test - the Windows program, cross-built; see below
# make windows-installer - its installer and a portable zip; see below
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
           libgtest-dev libgmock-dev libbenchmark-dev ccache fonts-noto-cjk \
           qt6-translations-l10n
# Only make fuzz needs these.
FUZZ_PACKAGES = clang libclang-rt-14-dev
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build test run bench fuzz install package windows windows-test windows-installer \
        windows-installer-test clean

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS)
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j $(JOBS)

run: build
	@if [ -x build/default/src/app/rulewright ]; then build/default/src/app/rulewright; \
	else build/default/src/cli/rulewright-cli --help; fi

bench: build
	@for b in build/default/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# make fuzz [FUZZ_TIME=60] - each target in turn, one process at a time, from the seed
# corpus in tests/fuzz/corpus; new inputs go to build/fuzz/corpus, crashes to
# build/fuzz/crashes (keep a mended one in tests/fuzz/crashes so make test replays it).
FUZZ_TIME ?= 60
FUZZ_TARGETS = project_file project_json condition_list script_text
fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_targets
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t build/fuzz/crashes/$$t; \
	  echo "== $$t for $(FUZZ_TIME) s"; \
	  build/fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	    -dict=tests/fuzz/dict/$$t.dict -artifact_prefix=build/fuzz/crashes/$$t/ \
	    build/fuzz/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

# make install [PREFIX=/usr/local] [DESTDIR=staging]
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"

# make package - build/default/rulewright_VERSION_ARCH.deb
package: build
	cmake --build --preset default --target package

# make windows - build/windows/src/{app/rulewright.exe,cli/rulewright-cli.exe} for
# 64-bit Windows. The first run builds a static Qt for Windows from Debian's
# source into ~/.cache/rulewright (an hour or more on 2 cores); later runs
# take seconds. make windows-test runs the tests of that build under Wine.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix ninja-build dpkg-dev wine wine64 xvfb xauth
windows:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(WINDOWS_PACKAGES)"
	tools/windows/build-qt.sh
	RW_WINDOWS_QT="$$(tools/windows/build-qt.sh --prefix)" cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

windows-test: windows
	cmake --preset default
	cmake --build --preset default -j $(JOBS) --target rulewright-cli
	tools/windows/test.sh

# make windows-installer - build/windows/Rulewright-VERSION-setup.exe (NSIS) and
# build/windows/Rulewright-VERSION-portable.zip, of the same files. make
# windows-installer-test installs, starts and uninstalls it under Wine
# (tools/windows/installer-test.sh; RW_SHOTS=folder keeps its screenshots).
INSTALLER_PACKAGES = nsis imagemagick x11-utils xdotool fonts-noto-cjk
windows-installer: windows
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(INSTALLER_PACKAGES)"
	cmake --build --preset windows --target windows-installer

windows-installer-test: windows-installer
	tools/windows/installer-test.sh

clean:
	rm -rf build
