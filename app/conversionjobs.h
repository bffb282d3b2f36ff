#pragma once

namespace lorvane {

// The most converters the program runs at once, whoever asks.
constexpr int kMaxJobs = 64;

// How many converters run at once: LORVANE_JOBS when it names a whole number from 1 on (at
// most kMaxJobs), otherwise one per core.
int JobsFromEnvironment();

}  // namespace lorvane
