// Named columns of timings for the step benchmarks under Wine: each Mark puts
// the time since the previous mark into the step of that name, and
// PrintMedians gives each step's median and range.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One named column of timings.
struct Step {
    std::string name;
    std::vector<double> ms;
};

class Timer {
public:
    explicit Timer(std::vector<Step>& steps) : steps_(steps) {}
    // Times what ran since the last mark into the step of that name.
    void Mark(const std::string& name) {
        const double now = NowMs();
        auto step = std::find_if(steps_.begin(), steps_.end(),
                                 [&](const Step& s) { return s.name == name; });
        if (step == steps_.end()) {
            steps_.push_back({name, {}});
            step = steps_.end() - 1;
        }
        step->ms.push_back(now - last_);
        last_ = now;
    }
    void Restart() { last_ = NowMs(); }

private:
    std::vector<Step>& steps_;
    double last_ = NowMs();
};

// What memory costs here: `bytes` never touched before, touched once per page.
inline void TimeFreshMemory(size_t bytes, Timer& timer) {
    auto* fresh = static_cast<volatile BYTE*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    for (size_t i = 0; fresh != nullptr && i < bytes; i += 4096)
        fresh[i] = 1;
    HeapFree(GetProcessHeap(), 0, const_cast<BYTE*>(fresh));
    timer.Mark("fresh memory of a picture's size, touched");
}

// Each step's median (and min..max) in ms, one line per step.
inline void PrintMedians(std::vector<Step>& steps) {
    for (Step& step : steps) {
        std::sort(step.ms.begin(), step.ms.end());
        printf("%-58s %8.1f  (%.1f..%.1f)\n", step.name.c_str(), step.ms[step.ms.size() / 2],
               step.ms.front(), step.ms.back());
    }
}
