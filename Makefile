# The two commands of the README. Both install what is missing first.
.PHONY: test run build fuzz bench soak screenshots clean

test:
	scripts/test.sh

run:
	scripts/run.sh $(ARGS)

build:
	scripts/setup.sh
	scripts/build.sh

fuzz: build
	scripts/build.sh --fuzz
	scripts/fuzz.sh $(or $(SECONDS),600)

# The host benchmarks, then the skin engine's figures on the real main window under Wine.
bench: build
	build/host/bin/korvale_bench
	scripts/with-wine.sh wine build/win/bin/korvale_win_bench.exe

# The skin soak, then ten minutes of the manager with crash-looping stand-ins; not part of test.
soak:
	scripts/soak.sh

# Pictures of every bundled skin, or of SKIN=path/to/file, into build/screenshots/.
screenshots:
	SKIN=$(SKIN) scripts/screenshots.sh

clean:
	rm -rf build
