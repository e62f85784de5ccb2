#pragma once
// Timing shared by the benchmarks: medians of repeated calls, and the one-line report of
// a figure against its baseline measured in the same run.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

struct Samples {
    std::vector<double> times;
    int next = 0;

    // One untimed call first (statements prepared, pages read), then `repeats` timed ones;
    // `work` is told the number of its call.
    void run(int repeats, const std::function<void(int)>& work) {
        work(next++);
        for (int r = 0; r < repeats; ++r) {
            QElapsedTimer clock;
            clock.start();
            work(next++);
            times.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    void run(int repeats, const std::function<void()>& work) {
        run(repeats, [&work](int) { work(); });
    }
    double median() const {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

inline void report(const char* name, double value, double base) {
    std::printf("%s: %.3f ms (baseline %.3f ms, ratio %.2f)\n", name, value, base, value / base);
}
