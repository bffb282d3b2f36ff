#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace lorvane {

// The real dialogs: Qt's message box, input dialog, file and folder dialogs, and the
// desktop's file manager and web browser.
class QtDialogs : public Dialogs {
  public:
    void setOwner(QWidget* owner) { m_owner = owner; }

    int messageBox(const QString& text, int style, const QString& title) override;
    int messageBoxWithDetails(const QString& text, int style, const QString& title,
                              const QString& details) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFiles(const QString& title, const QString& filter) override;
    QString browseForFolder(const QString& title, const QString& initialFolder) override;
    void openFolder(const QString& path) override;
    void openWebPage(const QString& url) override;

  private:
    QPointer<QWidget> m_owner;
};

// Message texts use CR LF and lone CRs as line breaks; Qt breaks lines at LF only.
QString DisplayText(const QString& text);

// The paths of the files the open dialog chose, from the URLs it names them by: a URL keeps
// a name's bytes where the dialog's text would have lost those that are not UTF-8.
QStringList OpenDialogPaths(const QList<QUrl>& urls);

// The single text the open dialog hands back for a list of chosen paths: the path itself for
// one, otherwise the folder, then each name, separated by NUL characters.
QString OpenDialogResult(const QStringList& paths);

// A chosen folder without trailing separator, except the root.
QString FolderDialogResult(const QString& chosen);

// Where the folder browser opens: the given folder when it exists, otherwise the desktop.
QString FolderDialogStart(const QString& initialFolder, const QString& desktop);

}  // namespace lorvane
