# make       builds the editor into build/run; installs nothing.
# make run   installs what is missing, builds and starts the editor on a copy
#            of the sample tovels in build/samples (made once; delete it to
#            start afresh), so that trying the editor changes no tracked file.
# make test  installs what is missing, builds with the sanitizers and runs
#            every test in parallel (each window test on its own Xvfb).
# make package  installs the packaging tools, builds as Debian does and makes
#            build/package/tovelcreator_VERSION_ARCH.deb, checks the files
#            it holds and runs lintian on it.
# make bench builds and runs the benchmark: what a user waits for, against
#            a bare wxWidgets program and reading the same files.
# make windows       cross-builds the Windows program, its installer and a zip
#                    into build/windows (the first run builds the libraries).
# make windows-test  runs the Windows tests under Wine (see tools/windows/test.sh).
# make fuzz  builds the fuzz targets with clang and runs each for
#            FUZZ_SECONDS seconds (see docs/reliability.md).
# make deps  installs every Debian package that building and testing need.
# Only run, test, bench, fuzz, package, deps and the Windows targets install
# packages (with apt-get, through sudo when not root).

JOBS ?= $(shell nproc)
RUN_BUILD ?= build/run
TEST_BUILD ?= build/test
RUN_SAMPLES := $(CURDIR)/build/samples
SAMPLE_INI := $(CURDIR)/build/KESTRO2.INI
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

PACKAGE_BUILD ?= build/package-build
PACKAGE_OUT := build/package
# The compiler and linker flags of a Debian package build, with every
# hardening option.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

FUZZ_SECONDS ?= 60

.PHONY: all deps run test bench fuzz package build-run build-test windows windows-test clean

all: build-run

deps:
	@tools/install-deps.sh

build-run:
	cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTOVEL_WERROR=OFF
	cmake --build $(RUN_BUILD) -j $(JOBS)

run:
	@tools/install-deps.sh run
	@$(MAKE) --no-print-directory build-run
	@mkdir -p $(RUN_SAMPLES)
	@cp -rn samples/tovels $(RUN_SAMPLES)/
	@printf '[LOCATIONS]\r\nTOVELS=%s\r\n' "$(RUN_SAMPLES)/tovels" > $(SAMPLE_INI)
	KESTRO2_INI=$(SAMPLE_INI) $(RUN_BUILD)/tovelcreator

build-test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOVEL_SANITIZE=ON -DTOVEL_WERROR=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)

test: build-test
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

package:
	@tools/install-deps.sh package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTOVEL_WERROR=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -rf $(PACKAGE_OUT)
	cd $(PACKAGE_BUILD) && cpack -B $(CURDIR)/$(PACKAGE_OUT)
	rm -rf $(PACKAGE_OUT)/_CPack_Packages
	dpkg-deb -x $(PACKAGE_OUT)/tovelcreator_*.deb $(PACKAGE_OUT)/contents
	tools/check-install.sh $(PACKAGE_OUT)/contents/usr
	lintian --fail-on error $(PACKAGE_OUT)/tovelcreator_*.deb
	@ls $(PACKAGE_OUT)/*.deb

# The benchmark, built optimised (see docs/performance.md). The screen is
# two 1280 x 1024 screens wide: the main window fills one half, the bare
# window it is compared with stands in the other.
BENCH_BUILD ?= build/bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTOVEL_BUILD_BENCH=ON -DTOVEL_WERROR=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tovel_bench
	NO_AT_BRIDGE=1 xvfb-run -a -s "-screen 0 2560x1024x24" $(BENCH_BUILD)/tovel_bench

fuzz:
	@tools/install-deps.sh fuzz
	cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVEL_BUILD_FUZZ=ON -DTOVEL_WERROR=ON
	cmake --build build/fuzz -j $(JOBS)
	tools/run-fuzz.sh build/fuzz $(FUZZ_SECONDS)

windows:
	tools/windows/build.sh

windows-test: windows
	tools/windows/test.sh

clean:
	rm -rf build
