// The benchmarks' entry: Google Benchmark's flags, and --assets=DIR, the folder
// with the 34 asset files (the library reads them from the working directory).
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "pairs.h"

int main(int argc, char** argv) {
    std::string assets = D3D8WATER_BENCH_ASSETS;
    std::vector<char*> rest;
    bool color = isatty(1);
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--assets=", 9) == 0) assets = argv[i] + 9;
        else rest.push_back(argv[i]);
        if (std::strcmp(argv[i], "--benchmark_color=false") == 0) color = false;
    }
    if (chdir(assets.c_str()) != 0) {
        std::fprintf(stderr, "cannot enter the asset folder %s (build the 'assets' target, or pass --assets=DIR)\n",
                     assets.c_str());
        return 2;
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 1;
    bench::SummaryReporter reporter(color ? benchmark::ConsoleReporter::OO_ColorTabular
                                          : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
