#pragma once

namespace lorvane {

class FileSteps;
struct RunOutcome;

// Steps 124 to 150 for the first n entries, one file after the other, each waited for before
// the next begins; `tickMs` is how often the wait counts.
void RunOneAtATime(FileSteps& steps, int n, int tickMs, RunOutcome& outcome);

}  // namespace lorvane
