# The two commands of the README, and the checks beside them.
#   make run     build, then open the window
#   make test    build, run every test, then again under ASan and UBSan
#   make bench   throughput of every transform, of the whole report and of the window
#   make fuzz    each fuzz target for FUZZ_SECONDS seconds (clang)

BUILD       := build
ASAN_BUILD  := build-asan
FUZZ_BUILD  := build-fuzz
FUZZ_SECONDS ?= 60
SAMPLE_TEXT ?= 中文 ab,c

CMAKE_GENERATE = cmake -S . -G Ninja -Wno-dev --log-level=WARNING

.PHONY: run test bench fuzz deps fuzz-deps build clean

deps:
	@scripts/install-deps

fuzz-deps:
	@scripts/install-deps --fuzz

# Configured once; after that the build itself reruns CMake when a CMakeLists.txt changes.
build: deps
	@test -f $(BUILD)/build.ninja || \
	  $(CMAKE_GENERATE) -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCH=ON
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: there is no display to open the window on. Run it on a virtual one with"; \
	  echo "  xvfb-run -a make run"; \
	  echo "or print the report in this terminal with"; \
	  echo "  $(BUILD)/quillet-report '$(SAMPLE_TEXT)'"; \
	  exit 1; \
	fi
	@$(BUILD)/quillet

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2 --timeout 300
	@echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
	@test -f $(ASAN_BUILD)/build.ninja || $(CMAKE_GENERATE) -B $(ASAN_BUILD) \
	  -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON -DQUILLET_BENCH=OFF
	@cmake --build $(ASAN_BUILD)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2 --timeout 600

bench: build
	@$(BUILD)/bench/quillet_bench --benchmark_counters_tabular=true $(BENCH_ARGS)
	@$(BUILD)/bench/quillet_window_bench $(BENCH_ARGS)

fuzz: fuzz-deps
	@test -f $(FUZZ_BUILD)/build.ninja || CXX=clang++ $(CMAKE_GENERATE) -B $(FUZZ_BUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF \
	  -DQUILLET_BENCH=OFF -DQUILLET_WINDOW=OFF
	@cmake --build $(FUZZ_BUILD)
	@for target in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  name=$$(basename $$target); log=$(FUZZ_BUILD)/$$name.log; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s =="; \
	  if ! $$target -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 \
	      -rss_limit_mb=4096 -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name fuzz/seeds \
	      > $$log 2>&1; then \
	    tail -40 $$log; echo "$$name found a problem: see $$log"; exit 1; \
	  fi; \
	  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' $$log; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
