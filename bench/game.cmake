vorlane_add_bench(bench_game GameBench.cpp)
