#pragma once

#include "app/dialogs.h"
#include "platform/apperror.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

namespace lorvane::test {

// One recorded modal exchange.
struct DialogCall {
    QString kind;  // "message", "input", "open", "folder", "openFolder", "web"
    QString text;  // message text, prompt, or the path/url opened
    int style = 0;
    QString title;
    QString preset;   // input preset, or the folder preselected in the browser
    QString details;  // a message box's details area
};

// Stands in for every dialog: records each call and answers from scripts. Unscripted
// message boxes answer OK (or No for Yes/No), unscripted input and file dialogs cancel.
class ScriptedDialogs : public Dialogs {
  public:
    QList<DialogCall> calls;
    QQueue<int> messageAnswers;
    QQueue<QString> inputAnswers;
    QQueue<std::variant<QString, AppError>> openAnswers;
    QQueue<QString> folderAnswers;
    // Runs inside a message box before it answers (to act while the box is open).
    std::function<void(const DialogCall&)> onMessage;

    int messageBox(const QString& text, int style, const QString& title) override {
        return messageBoxWithDetails(text, style, title, QString());
    }
    int messageBoxWithDetails(const QString& text, int style, const QString& title,
                              const QString& details) override {
        calls.append({QStringLiteral("message"), text, style, title, {}, details});
        if (onMessage) {
            onMessage(calls.back());
        }
        if (!messageAnswers.isEmpty()) {
            return messageAnswers.dequeue();
        }
        return (style & 7) == 4 ? No : Ok;
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override {
        calls.append({QStringLiteral("input"), prompt, 0, title, preset, {}});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }
    QString openFiles(const QString& title, const QString& filter) override {
        calls.append({QStringLiteral("open"), filter, 0, title, {}, {}});
        if (openAnswers.isEmpty()) {
            return QString();
        }
        auto answer = openAnswers.dequeue();
        if (auto* error = std::get_if<AppError>(&answer)) {
            throw *error;
        }
        return std::get<QString>(answer);
    }
    QString browseForFolder(const QString& title, const QString& initialFolder) override {
        calls.append({QStringLiteral("folder"), {}, 0, title, initialFolder, {}});
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }
    void openFolder(const QString& path) override {
        calls.append({QStringLiteral("openFolder"), path, 0, {}, {}, {}});
    }
    void openWebPage(const QString& url) override {
        calls.append({QStringLiteral("web"), url, 0, {}, {}, {}});
    }

    QList<DialogCall> callsOf(const QString& kind) const {
        QList<DialogCall> out;
        for (const DialogCall& c : calls) {
            if (c.kind == kind) {
                out.append(c);
            }
        }
        return out;
    }
    QStringList messages() const {
        QStringList out;
        for (const DialogCall& c : callsOf(QStringLiteral("message"))) {
            out.append(c.text);
        }
        return out;
    }
};

}  // namespace lorvane::test
