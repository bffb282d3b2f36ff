#pragma once

#include <QString>

namespace lorvane {

// Every modal exchange with the user goes through this one interface, so the window can be
// driven by a scripted stand-in in tests and never blocks on a real dialog there.
class Dialogs {
  public:
    // Message box answers, as the message box styles number them.
    enum Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

    // Styles combine buttons (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel)
    // and an icon (16 critical, 32 question, 48 exclamation, 64 information).
    enum Style { OkOnly = 0, YesNo = 4, Exclamation = 48 };

    virtual ~Dialogs() = default;

    // Shows a modal box; the title is always given (callers fill in the application title).
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;

    // The same box with a details area that holds a longer text (shown on request).
    virtual int messageBoxWithDetails(const QString& text, int style, const QString& title,
                                      const QString& details) = 0;

    // Returns the confirmed text, or the empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& preset) = 0;

    // Multiple-selection open dialog. Returns the empty text when cancelled, the full path
    // for one chosen file, or the folder, NUL, name, NUL, name ... for several. May fail with
    // AppError 20476 when the selection does not fit. The filter is one or more name filters
    // separated by ";;" ("Text (*.txt *.md);;All files (*)"); the first is chosen at first.
    virtual QString openFiles(const QString& title, const QString& filter) = 0;

    // Returns the chosen folder without trailing separator (except the root), or the empty
    // text when cancelled. The initial folder is preselected when it exists.
    virtual QString browseForFolder(const QString& title, const QString& initialFolder) = 0;

    // Shows a folder in the desktop's file manager; failures are not reported.
    virtual void openFolder(const QString& path) = 0;

    // Opens a web page in the desktop's browser; failures are not reported.
    virtual void openWebPage(const QString& url) = 0;
};

}  // namespace lorvane
