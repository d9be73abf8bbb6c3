// fjolbar_datagen_bench [RUNS]: times whole runs of fjolbar-datagen into a
// scratch folder and reports each run and the median against the 10 s budget.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("fjolbar-datagen-bench-" + std::to_string(::getpid()));
    const std::string command = std::string(FJOLBAR_DATAGEN) + " " + scratch.string() + " >/dev/null";
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        std::filesystem::remove_all(scratch);
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "fjolbar-datagen failed\n");
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::printf("run %d: %.2f s\n", i + 1, seconds.back());
    }
    std::filesystem::remove_all(scratch);
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("generation: median %.2f s, best %.2f s over %d runs (budget 10 s, %u cores)\n", median,
                seconds.front(), runs, std::max(1u, unsigned(sysconf(_SC_NPROCESSORS_ONLN))));
    return 0;
}
