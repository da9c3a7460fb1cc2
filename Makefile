# The two commands of the README. Both install what is missing first.
.PHONY: test run build fuzz bench clean

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

bench: build
	build/host/bin/korvale_bench

clean:
	rm -rf build
