#pragma once

#include "convert/filesteps.h"
#include "convert/runandwait.h"
#include "convert/runfrontend.h"
#include "convert/runreport.h"

#include <QString>

#include <functional>

namespace lorvane {

class FailureReporter;
class FileListModel;

struct ConversionOptions {
    // How many converters may run at once. With 1 the files are converted one after the
    // other, each waited for before the next begins.
    int jobs = 1;
    // How often a wait counts while a converter runs.
    int waitTickMs = kWaitTickMs;
};

// The conversion engine: one run over the file list, from the list test to the closing
// message (steps 104 to 164). It reads the list and the user's choices at the steps that
// use them, tells its front end what happens through the events, and reports a failing step
// to the reporter with its number, then goes on with the next step. The front end owns the
// busy mark that keeps a second run from starting meanwhile.
class ConversionRun {
  public:
    using Choices = std::function<ConversionChoices()>;

    ConversionRun(const FileListModel& list, Choices choices, ConversionEvents& events,
                  FailureReporter& reporter, ConversionOptions options = {});

    // Returns once the run has ended, the closing message shown through the events.
    RunOutcome run();

    // While the run waits: no further file starts; the files being converted finish, are
    // checked and put in place, and then run() returns.
    void requestStop() { m_stop.requested = true; }
    // While the run waits: the converters are ended too, and their temporary files removed.
    void stopNow() { m_stop.requested = m_stop.now = true; }

    // The location text of the run's failure reports.
    static QString location();

  private:
    const FileListModel& m_list;
    Choices m_choices;
    ConversionEvents& m_events;
    FailureReporter& m_reporter;
    ConversionOptions m_options;
    RunStop m_stop;
};

}  // namespace lorvane
