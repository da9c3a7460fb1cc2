# The two commands of the README. Both install what is missing first.
.PHONY: test run build fuzz bench soak clean

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

# Ten minutes of the manager with crash-looping stand-ins; not part of test.
soak:
	scripts/soak.sh

clean:
	rm -rf build
