# Two commands: `make run` and `make test`. Both install the Debian packages they miss when run as
# root; otherwise they print the apt-get line to run and stop.
# `make test` first fails when the catalogues in translations/ do not match the code or miss a
# translation (`make translations` brings them up to date with lupdate), then runs the suite twice,
# as built and with AddressSanitizer and UBSan (tests/isolate.sh fails a test on any report), then
# the fuzz target for FUZZ_SMOKE_SECONDS. `make fuzz` runs the fuzz target alone, for FUZZ_SECONDS.
# QT=6 builds against Qt 6 instead (cmake -DOSTRELO_QT_MAJOR_VERSION=6), in build directories of
# its own, so that the two builds never mix: build-qt6, build-sanitize-qt6 and build-fuzz-qt6.
QT ?= 5
# Qt 5's and Qt 6's own: qttools5-dev and qt6-tools-dev have CMake's LinguistTools, with lrelease
# and lupdate from qttools5-dev-tools and qt6-l10n-tools. The Debian package is built with Qt 5's.
QT5_PACKAGES := qtbase5-dev qttools5-dev qttools5-dev-tools
ifeq ($(QT),5)
QT_SUFFIX :=
QT_PACKAGES := $(QT5_PACKAGES)
else ifeq ($(QT),6)
QT_SUFFIX := -qt6
# The tests' xcb and offscreen platform plugins come with qt6-base-dev, in libqt6gui6.
QT_PACKAGES := qt6-base-dev qt6-tools-dev qt6-l10n-tools
else
$(error QT=$(QT): the Qt major version is 5 or 6)
endif
CMAKE_QT := -DOSTRELO_QT_MAJOR_VERSION=$(QT)
BUILD_DIR ?= build$(QT_SUFFIX)
SANITIZE_DIR ?= build-sanitize$(QT_SUFFIX)
FUZZ_DIR ?= build-fuzz$(QT_SUFFIX)
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 10
JOBS ?= $(shell nproc)

# smartmontools: as root, the disk figure is real from the first run.
RUN_PACKAGES := cmake g++ make $(QT_PACKAGES) fonts-wqy-microhei smartmontools
# libFuzzer is clang's, in the release's own version; llvm puts llvm-symbolizer on PATH, where the
# sanitizers look for it, for readable stacks in a fuzzer's report.
FUZZ_PACKAGES := cmake make $(QT_PACKAGES) clang libclang-rt-dev llvm
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xauth x11-utils tint2 xdotool procps $(FUZZ_PACKAGES)

# The fuzz target alone, with clang: the rest of the program is not built in FUZZ_DIR. It runs
# for $(1) seconds on the test fixtures as seeds; its corpus grows across runs in FUZZ_DIR/corpus,
# the input of a crash lands in FUZZ_DIR/artifacts, and its whole output in FUZZ_DIR/fuzz.log.
define fuzz
cmake -S . -B $(FUZZ_DIR) $(CMAKE_QT) -DCMAKE_CXX_COMPILER=clang++ -DOSTRELO_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_parsers
mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/artifacts
UBSAN_OPTIONS=print_stacktrace=1 $(FUZZ_DIR)/fuzz/fuzz_parsers -max_total_time=$(1) -timeout=10 \
    -artifact_prefix=$(FUZZ_DIR)/artifacts/ $(FUZZ_DIR)/corpus tests/fixtures \
    >$(FUZZ_DIR)/fuzz.log 2>&1 || { tail -n 60 $(FUZZ_DIR)/fuzz.log; exit 1; }
@echo "fuzz_parsers: $$(grep '^Done ' $(FUZZ_DIR)/fuzz.log)"
endef

# $(call ensure-packages,LIST)
define ensure-packages
@missing=""; \
for package in $(1); do \
    dpkg-query -W -f='$${Status}\n' $$package 2>/dev/null | grep -q '^install ok installed$$' \
        || missing="$$missing $$package"; \
done; \
if [ -n "$$missing" ]; then \
    if [ "$$(id -u)" = 0 ]; then \
        echo "Installing:$$missing"; \
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
    else \
        echo "Some packages are missing. Install them with:"; \
        echo "    sudo apt-get install$$missing"; \
        exit 1; \
    fi; \
fi
endef

.PHONY: run test build fuzz cost translations run-packages test-packages fuzz-packages

run: run-packages
	cmake -S . -B $(BUILD_DIR) $(CMAKE_QT) -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)
	$(BUILD_DIR)/bin/ostrelo

test: test-packages
	cmake -S . -B $(BUILD_DIR) $(CMAKE_QT) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cmake --build $(BUILD_DIR) --target check_translations
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	cmake -S . -B $(SANITIZE_DIR) $(CMAKE_QT) -DBUILD_TESTING=ON -DOSTRELO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)
	$(call fuzz,$(FUZZ_SMOKE_SECONDS))

fuzz: fuzz-packages
	$(call fuzz,$(FUZZ_SECONDS))

# lupdate over src/ into every translations/*.ts; new texts come in unfinished, to translate.
translations: run-packages
	cmake -S . -B $(BUILD_DIR) $(CMAKE_QT)
	cmake --build $(BUILD_DIR) --target update_translations

# What the running monitor costs beside the floor program, over COST_SECONDS (scripts/cost.sh).
COST_SECONDS ?= 60
cost: test-packages
	$(call ensure-packages,strace)
	cmake -S . -B $(BUILD_DIR) $(CMAKE_QT) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	scripts/cost.sh $(BUILD_DIR)/bin/ostrelo $(COST_SECONDS)

run-packages:
	$(call ensure-packages,$(RUN_PACKAGES))

test-packages:
	$(call ensure-packages,$(TEST_PACKAGES))

fuzz-packages:
	$(call ensure-packages,$(FUZZ_PACKAGES))

# The Debian package. `make deb` makes a source package with a debian/ directory and builds it
# with dpkg-buildpackage and debhelper in a copy under DEB_DIR, so the work tree stays clean: the
# .orig.tar.gz from the tracked files, the .dsc and .debian.tar.xz, and
# DEB_DIR/ostrelo_<version>_<arch>.deb, whose sha256 it prints. The same commit gives the same
# bytes. DEBFULLNAME and DEBEMAIL name the maintainer, OSTRELO_HOMEPAGE_URL,
# OSTRELO_BUGTRACKER_URL and OSTRELO_SCREENSHOT_URL the project's addresses (all from the
# environment or the command line; see scripts/build-deb.sh).
# `make deb-check` judges it with Debian's own tools, lintian, blhc, autopkgtest (debian/tests run
# the installed program), piuparts and reprotest, and checks what none of them covers; it installs
# packages and builds chroots, so it runs as root only and stays out of `make test`. See
# scripts/deb-check.sh.
DEB_DIR ?= build-deb
# build-essential, debhelper and the Build-Depends of debian/control; dpkg-buildpackage checks
# the latter again and names any that is missing.
DEB_PACKAGES := build-essential dpkg-dev debhelper cmake $(QT5_PACKAGES)
# netpbm: the icon check compares the PNGs' pixels (scripts/render-icons.sh --check). autopkgtest
# installs the tests' own dependencies, from debian/tests/control. reprotest's variations take
# disorderfs (the order of a directory's entries), faketime, sudo (another user, another host name)
# and locales-all (another locale); diffoscope-minimal shows a difference, should there be one.
DEB_CHECK_PACKAGES := $(DEB_PACKAGES) lintian desktop-file-utils appstream librsvg2-bin netpbm \
    blhc autopkgtest piuparts debootstrap reprotest disorderfs faketime sudo locales-all \
    diffoscope-minimal

.PHONY: deb deb-check deb-packages deb-check-packages deb-check-root icons

# Given on make's command line, they reach the scripts too.
export DEBFULLNAME DEBEMAIL OSTRELO_HOMEPAGE_URL OSTRELO_BUGTRACKER_URL OSTRELO_SCREENSHOT_URL

deb: deb-packages
	scripts/build-deb.sh $(DEB_DIR)

# Refused before anything is built or installed.
deb-check-root:
	@if [ "$$(id -u)" != 0 ]; then \
	    echo "make deb-check installs and purges the ostrelo package: run it as root."; \
	    exit 1; \
	fi

deb-check: deb-check-root deb-check-packages deb
	scripts/deb-check.sh $(DEB_DIR)

deb-packages:
	$(call ensure-packages,$(DEB_PACKAGES))

deb-check-packages:
	$(call ensure-packages,$(DEB_CHECK_PACKAGES))

# The PNG icons from data/ostrelo.svg, after a change of the drawing.
icons:
	$(call ensure-packages,librsvg2-bin)
	scripts/render-icons.sh
