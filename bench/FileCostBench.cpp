// What reading and saving a large project costs marquetto-cli, against cp of the same file: CPU time (user
// and system) and peak memory of each process over several runs. Run from the build folder:
//   bench/file_cost_bench [megabytes]
#include "project/ProjectWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int runs = 15;

struct Cost
{
    double cpuSeconds = 0;
    double peakMegabytes = 0;
};

Cost runOnce(const std::vector<std::string>& command)
{
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> arguments;
        for (const std::string& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("failed: " + command.front() + " " + command.at(1));
    return {static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// The median of several runs: a copy's cost varies with what the kernel still has to do for earlier ones.
Cost median(const std::vector<std::string>& command)
{
    std::vector<Cost> costs;
    for (int i = 0; i < runs; ++i)
        costs.push_back(runOnce(command));
    std::sort(costs.begin(), costs.end(),
              [](const Cost& a, const Cost& b) { return a.cpuSeconds < b.cpuSeconds; });
    Cost middle = costs[runs / 2];
    for (const Cost& cost : costs)
        middle.peakMegabytes = std::max(middle.peakMegabytes, cost.peakMegabytes);
    return middle;
}

// Ordinary messages, as a long-running news box collects them.
std::string projectOf(double megabytes)
{
    ProjectRecord record;
    record.width = "180";
    record.scrollerName = "scroller_";
    for (int i = 0; ProjectWriter::projectSize(record) < megabytes * 1e6; ++i) {
        for (int j = 0; j < 1000; ++j, ++i) {
            const std::string n = std::to_string(i);
            record.appendMessage({"Title " + n,
                                  "A message of ordinary length, number " + n + ", with <b>markup</b>.",
                                  "http://www.marquetto.example/news/" + n, "_parent"});
        }
    }
    return ProjectWriter::projectText(record);
}

} // namespace

int main(int argc, char** argv)
{
    const double megabytes = argc > 1 ? std::stod(argv[1]) : 60;
    const fs::path cli =
        fs::canonical("/proc/self/exe").parent_path().parent_path() / "app" / "marquetto-cli";
    char pattern[] = "/tmp/marquetto-bench-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    const std::string project = (folder / "big.tkp").string();
    // Made in a child process: a process's peak memory counts what it inherited from this one.
    if (const pid_t maker = fork(); maker == 0) {
        std::ofstream(project, std::ios::binary) << projectOf(megabytes);
        _exit(0);
    } else {
        waitpid(maker, nullptr, 0);
    }
    const double size = static_cast<double>(fs::file_size(project)) / (1024 * 1024);

    const Cost copy = median({"cp", project, (folder / "copy.tkp").string()});
    const Cost idle = median({cli.string(), "save", "--to", (folder / "default.tkp").string()});
    const Cost save =
        median({cli.string(), "save", "--project", project, "--to", (folder / "saved.tkp").string()});
    fs::remove_all(folder);

    std::printf("project: %.1f MiB; CPU: the median of %d runs each; memory: the highest\n", size, runs);
    std::printf("cp                        CPU %6.3f s   peak memory %6.1f MiB\n", copy.cpuSeconds,
                copy.peakMegabytes);
    std::printf("marquetto-cli save (small) CPU %6.3f s   peak memory %6.1f MiB\n", idle.cpuSeconds,
                idle.peakMegabytes);
    std::printf("marquetto-cli save        CPU %6.3f s   peak memory %6.1f MiB\n", save.cpuSeconds,
                save.peakMegabytes);
    std::printf("CPU against cp: %.1f times; memory for the project: %.1f MiB, %.2f times its size\n",
                save.cpuSeconds / copy.cpuSeconds, save.peakMegabytes - idle.peakMegabytes,
                (save.peakMegabytes - idle.peakMegabytes) / size);
}
