#include "app/qtdialogs.h"

#include "filelist/filedrop.h"
#include "platform/paths.h"
#include "platform/userdirs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace lorvane {

QString DisplayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QStringList OpenDialogPaths(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (std::optional<QString> path = LocalPathOfUrl(url)) {
            paths.append(std::move(*path));
        }
    }
    return paths;
}

QString OpenDialogResult(const QStringList& paths) {
    if (paths.isEmpty()) {
        return QString();
    }
    if (paths.size() == 1) {
        return paths.front();
    }
    // Files chosen in several folders (a "Recent" view, names typed with their folders) are
    // named from the deepest folder they share, so each name still leads to its own file.
    const QChar sep = PathStyle::native().separator;
    QStringList common = QFileInfo(paths.front()).absolutePath().split(sep);
    for (const QString& path : paths) {
        const QStringList folder = QFileInfo(path).absolutePath().split(sep);
        qsizetype shared = 0;
        while (shared < common.size() && shared < folder.size() &&
               common.at(shared) == folder.at(shared)) {
            ++shared;
        }
        common = common.mid(0, shared);
    }
    QString base = common.join(sep);
    if (base.isEmpty()) {
        base = sep;  // only the root in common
    }
    QStringList parts{base};
    for (const QString& path : paths) {
        const QStringList folder = QFileInfo(path).absolutePath().split(sep);
        QStringList relative = folder.mid(common.size());
        relative.append(QFileInfo(path).fileName());
        relative.removeAll(QString());
        parts.append(relative.join(sep));
    }
    return parts.join(QChar(0));
}

QString FolderDialogResult(const QString& chosen) {
    if (chosen.isEmpty()) {
        return QString();
    }
    QString path = QDir::cleanPath(chosen);
    const QChar sep = PathStyle::native().separator;
    while (path.size() > 1 && path.endsWith(sep)) {
        path.chop(1);
    }
    return path;
}

QString FolderDialogStart(const QString& initialFolder, const QString& desktop) {
    return IsExistingFolder(initialFolder).value_or(false) ? initialFolder : desktop;
}

int QtDialogs::messageBox(const QString& text, int style, const QString& title) {
    return messageBoxWithDetails(text, style, title, QString());
}

int QtDialogs::messageBoxWithDetails(const QString& text, int style, const QString& title,
                                     const QString& details) {
    QMessageBox box(m_owner);
    box.setWindowTitle(title);
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty()) {
        box.setDetailedText(DisplayText(details));
    }
    switch (style & 0x70) {
        case 16:
            box.setIcon(QMessageBox::Critical);
            break;
        case 32:
            box.setIcon(QMessageBox::Question);
            break;
        case 48:
            box.setIcon(QMessageBox::Warning);
            break;
        case 64:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    QMessageBox::StandardButtons buttons;
    switch (style & 0x7) {
        case 1:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case 2:
            buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
            break;
        case 3:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
        case 4:
            buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case 5:
            buttons = QMessageBox::Retry | QMessageBox::Cancel;
            break;
        default:
            buttons = QMessageBox::Ok;
            break;
    }
    box.setStandardButtons(buttons);
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return Cancel;
        case QMessageBox::Abort:
            return Abort;
        case QMessageBox::Retry:
            return Retry;
        case QMessageBox::Ignore:
            return Ignore;
        case QMessageBox::Yes:
            return Yes;
        case QMessageBox::No:
            return No;
        default:
            return (style & 0x7) == 4 ? No : Ok;
    }
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& preset) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_owner, title, DisplayText(prompt), QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFiles(const QString& title, const QString& filter) {
    const QList<QUrl> chosen = QFileDialog::getOpenFileUrls(m_owner, title, QUrl(), filter, nullptr,
                                                            {}, {QStringLiteral("file")});
    return OpenDialogResult(OpenDialogPaths(chosen));
}

QString QtDialogs::browseForFolder(const QString& title, const QString& initialFolder) {
    const QString start = FolderDialogStart(initialFolder, DesktopFolder());
    const QUrl chosen = QFileDialog::getExistingDirectoryUrl(
        m_owner, title, FileUrlOfPath(start), QFileDialog::ShowDirsOnly, {QStringLiteral("file")});
    return FolderDialogResult(LocalPathOfUrl(chosen).value_or(QString()));
}

void QtDialogs::openFolder(const QString& path) {
    QDesktopServices::openUrl(FileUrlOfPath(path));
}

void QtDialogs::openWebPage(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

}  // namespace lorvane
