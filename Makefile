# make run  - install what is missing, build, start the editor
# make test - install what is missing, build, run every test (core tests also under ASan/UBSan)
# make install, make package - see below
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
           libgtest-dev libgmock-dev libbenchmark-dev ccache fonts-noto-cjk \
           qt6-translations-l10n
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build test run bench install package clean

deps:
	@missing=""; for p in $(PACKAGES); do \
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

# make install [PREFIX=/usr/local] [DESTDIR=staging]
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"

# make package - build/default/rulewright_VERSION_ARCH.deb
package: build
	cmake --build --preset default --target package

clean:
	rm -rf build
