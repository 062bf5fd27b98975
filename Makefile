# Two commands do all the set-up on a fresh Debian 12 or 13 machine:
#   make run     install what is missing, build, start the calculator
#   make test    install what is missing, build, run every test headless
# QT=5 builds against Qt 5.15 instead of Qt 6, in its own build folder; SANITIZE=1 adds
# AddressSanitizer and UndefinedBehaviorSanitizer.

# WERROR=1 turns compiler warnings into errors, as CI builds; a user's own build never fails on
# a warning that a newer compiler invents. The builds are the presets of CMakePresets.json, so
# `cmake --preset qt6` and `make` give the same build.

QT ?= 6
# One date for everything a build writes into a file: the last commit's, or without git the
# changelog's top entry's, unless the caller sets one.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || \
    packaging/read-changelog timestamp || echo none)
ifeq ($(SOURCE_DATE_EPOCH),none)
$(error No date for the build: no git history, and packaging/read-changelog read none (above))
endif
export SOURCE_DATE_EPOCH
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PRESET := qt$(QT)$(if $(SANITIZE),-sanitize)
BUILD_DIR := build/$(PRESET)
# Said every time, so that WERROR=1 does not stay in CMake's cache for the next build.
CMAKE_FLAGS := -DCMAKE_COMPILE_WARNING_AS_ERROR=$(if $(WERROR),ON,OFF) $(CMAKE_ARGS)

SCREENSHOT ?= $(BUILD_DIR)/screenshot.png
SCALE ?= 1
PREFIX ?= /usr/local

FUZZ_SECONDS ?= 60
FUZZ_DIR := build/fuzz

BENCH_RUNS ?= 40

.PHONY: all build program run test lint uninstall screenshot install package fuzz memcheck \
        bench windows test-windows test-windows-screen-reader test-screen-reader verify-windows \
        check-reproducible release clean

all: build

build:
	scripts/install-deps --qt $(QT) build
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) -j $(JOBS)

test:
	scripts/install-deps --qt $(QT) build test
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) -j $(JOBS)
	ctest --preset $(PRESET) -j $(JOBS)

# Only the program, without the tests and benchmarks, for what starts it.
program:
	scripts/install-deps --qt $(QT) build
	cmake --preset $(PRESET) $(CMAKE_FLAGS)
	cmake --build --preset $(PRESET) -j $(JOBS) --target pelmora

run: program
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display here: the calculator needs a desktop session (or ssh -X)." \
	         "Taking a screenshot under a virtual display instead."; \
	    $(MAKE) --no-print-directory screenshot QT=$(QT); \
	else \
	    $(BUILD_DIR)/pelmora; \
	fi

screenshot: program
	scripts/install-deps --qt $(QT) screenshot
	scripts/screenshot $(BUILD_DIR)/pelmora $(SCREENSHOT) $(SCALE)

# Only copies what `make build` built: under sudo, nothing is configured or built as root.
install:
	@[ -x $(BUILD_DIR)/pelmora ] || { echo "Nothing built in $(BUILD_DIR): run make first," \
	    "as yourself, then make install."; exit 1; }
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes exactly what `make install` wrote, as its install manifest lists it.
uninstall:
	xargs -r -d '\n' rm -fv <$(BUILD_DIR)/install_manifest.txt

# The package, its SHA256SUMS and its build record (packaging/buildinfo). It is packed under umask
# 022, so its folders are readable by all as Debian needs, and under a UTF-8 locale, in which
# alone libarchive reads a build folder with a non-ASCII letter. An older version's package, record
# and sums go first: cpack leaves them there, and a second .deb would break the `ls` below.
DEB_TOOLS := cmake g++ binutils dpkg-dev $(if $(filter 5,$(QT)),qtbase5-dev,qt6-base-dev)
package: build
	scripts/install-deps --qt $(QT) package $(if $(GPG_KEY),sign)
	rm -f $(BUILD_DIR)/package/pelmora_* $(BUILD_DIR)/package/SHA256SUMS*
	cd $(BUILD_DIR) && umask 022 && LC_ALL=C.UTF-8 cpack
	deb=$$(ls $(BUILD_DIR)/package/pelmora_*.deb) && \
	    packaging/buildinfo "$${deb%.deb}.buildinfo" "$(DEB_TOOLS)" -- "$$deb" && \
	    echo "Debian package: $$deb"

# clang-format, clazy and clang-tidy over the project's own C++ (Debian 12's versions).
lint:
	scripts/install-deps --qt 6 build lint
	scripts/lint

# libFuzzer over the placement rules for FUZZ_SECONDS, from the committed seeds; what it
# discovers goes to $(FUZZ_DIR)/corpus, a crash to $(FUZZ_DIR)/crash-*.
fuzz:
	scripts/install-deps --qt 6 fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/fuzz/fuzz_placement -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus fuzz/corpus

# The real program and the printed-page tests under valgrind memcheck.
memcheck: build
	scripts/install-deps --qt $(QT) memcheck
	scripts/memcheck $(BUILD_DIR)

# Start-up time and memory against a bare Qt window, and the two operations' cost.
bench: build
	scripts/install-deps --qt $(QT) bench
	bench/run $(BUILD_DIR) $(BENCH_RUNS)

# Windows: cross-built with MinGW-w64 against Qt 5.15 built from Debian's source packages and
# cached outside the clone (packaging/windows/build-qt); the program, ready to run, lands in
# build/windows/Pelmora. Its tests run as Windows programs under Wine, on a private X server.
WINDOWS_DIR := build/windows

# Signed (see docs/releasing.md): SIGN_KEY (a .p12 file or a pkcs11: URI) with SIGN_CERT,
# SIGN_PKCS11_MODULE, SIGN_PIN_FILE and SIGN_TIMESTAMP; or SIGNATURES, a signed build's detached
# signatures, attached and checked against CAFILE. GPG_KEY signs SHA256SUMS here and in `package`.
SIGNING := SIGN_KEY SIGN_CERT SIGN_PKCS11_MODULE SIGN_PIN_FILE SIGN_TIMESTAMP SIGNATURES CAFILE \
           GPG_KEY
export GPG_KEY
# A PIN in the key's URI, given in SIGN_KEY or through CMAKE_ARGS, is refused before anything
# runs, for every target and in any letter case, so that it reaches no output and no file: not
# the recipe make prints, nor CMake's cache and build files. Only the letters of the two
# attributes' names need lowering.
lowered = $(subst P,p,$(subst I,i,$(subst N,n,$(subst V,v,$(subst A,a,$(subst L,l,$(subst U,u,$\
    $(subst E,e,$(subst S,s,$(subst O,o,$(subst R,r,$(subst C,c,$(1)))))))))))))
ifneq ($(findstring pin-value,$(call lowered,$(SIGN_KEY) $(CMAKE_ARGS)))$(findstring \
        pin-source,$(call lowered,$(SIGN_KEY) $(CMAKE_ARGS))),)
$(error The signing key's URI holds a PIN (in SIGN_KEY or CMAKE_ARGS): put the PIN in a \
    file and name that file in SIGN_PIN_FILE)
endif

# The signing settings are handed to CMake unechoed: only their names are shown.
windows:
	scripts/install-deps --qt none windows $(if $(SIGN_KEY)$(SIGNATURES)$(GPG_KEY),sign)
	@echo "cmake --preset windows $(strip $(CMAKE_FLAGS) \
	    $(foreach input,$(SIGNING),$(if $($(input)),-D$(input)=...)))"
	@qt=$$(packaging/windows/build-qt) && \
	    cmake --preset windows -DCMAKE_PREFIX_PATH="$$qt" $(CMAKE_FLAGS) \
	        $(foreach input,$(SIGNING),-D$(input)="$($(input))")
	cmake --build --preset windows -j $(JOBS) --target windows_packages
	@echo "Pelmora for Windows: $(WINDOWS_DIR)/Pelmora, packaged in $(WINDOWS_DIR)/package"

# Without Wine the tests are skipped (with-wine says why); with CI=true that fails.
# PELMORA_NEWER_SETUP, a newer version's setup, is upgraded to from this one (the installer
# test); made absolute here, as ctest runs the test in the build folder.
test-windows: windows
	scripts/install-deps --qt none windows sign test-windows
	cmake --build --preset windows -j $(JOBS)
	PELMORA_NEWER_SETUP=$${PELMORA_NEWER_SETUP:+$$(realpath "$$PELMORA_NEWER_SETUP")} \
	    scripts/with-x scripts/with-wine ctest --preset windows -j $(JOBS) || [ $$? -eq 77 ]

# Screen readers on Windows: the program read through UI Automation, by a small client of our
# own (tests/uia-tree.cpp). Debian 12's Wine 8 reads too little of it, so the program and the
# client built here are read under Wine 10 in a minimal Debian 13 (scripts/test-in-debian, as
# root). Where Wine 10 is at hand, with a Windows build from Debian 12 in build/windows,
# `make test-screen-reader` reads it there.
test-windows-screen-reader: windows
	cmake --build --preset windows -j $(JOBS) --target uia-tree
	scripts/test-in-debian --windows $(WINDOWS_DIR) --only 'make test-screen-reader' trixie

test-screen-reader:
	scripts/install-deps --qt none screen-reader
	scripts/with-x scripts/with-wine tests/windows-screen-reader \
	    $(WINDOWS_DIR)/Pelmora/pelmora.exe $(WINDOWS_DIR)/tests/uia-tree.exe

# A signed Windows release as anyone can check it: every PE file signed, chained to CAFILE, the
# sums, and the same bytes again from its commit with its signatures attached.
verify-windows:
	scripts/install-deps --qt none windows sign
	packaging/windows/verify "$(RELEASE)" "$(CAFILE)"

# A second build of the Windows packages and the Debian package, from a fresh clone elsewhere,
# under another clock, time zone, locale, umask and job count, must give the same bytes.
check-reproducible:
	scripts/install-deps --qt 6 build package windows reproducible
	scripts/check-reproducible

# Adds this version to a release folder for any static web host: the Windows packages, a signed
# apt repository, winget manifests and the download page (scripts/release, docs/releasing.md).
# RELEASE_DIR has no default: it is the only copy of every past release.
export RELEASE_DIR RELEASE_URL
release:
	scripts/release

# make release run twice, this version and the next, and the folder checked (tests/release);
# both folders stay in build/release-test for scripts/test-in-debian --release.
.PHONY: test-release
test-release:
	scripts/install-deps --qt none test-release
	tests/release || [ $$? -eq 77 ]

clean:
	rm -rf build
