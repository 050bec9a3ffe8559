# The newcomer's two commands:
#   make play    install, build, generate the data tree, write the settings, start the game
#   make check   install, build and run every test, the sanitizer build included
BUILD      ?= build
ASAN_BUILD ?= build-asan
DATA       ?= $(HOME)/.local/share/bafolino
JOBS       ?= 2
PREFIX     ?= /usr/local

.PHONY: play check deps build data ini test asan bench clean install deb package-build

play: build data ini
	$(BUILD)/bafolino $(ARGS)

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

# The tree is made again whenever the generator changed.
data: build
	@sum=$$(sha256sum $(BUILD)/datagen | cut -d' ' -f1); \
	if [ "$$(cat $(DATA)/.made-by 2>/dev/null)" != "$$sum" ]; then \
	    $(BUILD)/datagen --out $(DATA) && $(BUILD)/datagen --check $(DATA) && echo "$$sum" >$(DATA)/.made-by; fi

ini:
	scripts/write-ini $(DATA)

check: test asan

# The tests that time animation frames on the real clock run by themselves,
# after the rest: a generator or a fuzzer on the other core makes them late.
# (The sound test times a click against a voice heard on the wall clock.)
REAL_CLOCK = ^RealClock\.|^SdlPlatform\.(ClipFramesComeOnTime|TheProgramSoundsForRealAndAClickCutsTheGreeting)$$

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -E '$(REAL_CLOCK)'
	cd $(BUILD) && ctest --output-on-failure -R '$(REAL_CLOCK)'

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBAFO_SANITIZE=ON -DBAFO_BENCH=OFF -DBAFO_E2E=OFF -DBAFO_DATAGEN=OFF \
	    -DBAFO_MONKEY_DATA=$(CURDIR)/$(BUILD)/data >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j$(JOBS)

bench: build data
	BAFO_DATA=$(DATA) $(BUILD)/bafo_bench
	scripts/bench-start $(BUILD)/bafolino $(DATA)

# Installing: the program, its tree, menu entry, icons, metainfo and manual
# under PREFIX (DESTDIR honoured), or all of it as a Debian package in $(BUILD).
package-build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target bafolino datagen bafo_icons

install: package-build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

deb: package-build
	scripts/make-deb $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
