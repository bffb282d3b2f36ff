// The window's handlers that fill and empty the queue.
#include "app/errorreport.h"
#include "app/mainwindow.h"
#include "app/storedchoices.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "filelist/filelistview.h"
#include "filelist/folderintake.h"
#include "filelist/folderwalk.h"
#include "filelist/namerules.h"
#include "filelist/samples.h"
#include "platform/eventwait.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTimer>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;

// Each line of the prompt is a text of its own, so that no translation loses the blank lines
// between them.
QString extensionPrompt() {
    //: First line of the prompt of "Add All OGG File(s) In Folder"; the field below it takes
    //: file endings without their dot.
    return QCoreApplication::translate("MainWindow", "Enter file extension to load:") +
           QStringLiteral("\r\r") +
           //: Second line of the same prompt. The endings and the "*" are typed as they
           //: stand; only the words around them are translated.
           QCoreApplication::translate(
               "MainWindow",
               "(* for all files, txt for all txt files, doc for all doc files, etc.)") +
           QStringLiteral("\r\r") +
           //: Third line of the same prompt: several endings go in at once, parted by blanks.
           //: The endings are typed as they stand.
           QCoreApplication::translate("MainWindow", "(several at once: ogg oga opus)");
}

// Vorbis and Opus alike: a first press takes every Ogg audio file. A stored single extension
// ("ogg", "*") still means what it meant.
QString defaultExtensions() {
    return QStringLiteral("ogg oga opus");
}

QString tooManyFilesText() {
    return QCoreApplication::translate("MainWindow", "You've selected too many files to add.") +
           QStringLiteral("\r\r") +
           //: "Add All" names the button "Add All OGG File(s) In Folder".
           QCoreApplication::translate("MainWindow",
                                       "Please try adding via the \"Add All\" button.");
}

QString openFolderQuestion() {
    return QCoreApplication::translate(
        "MainWindow",
        "Would you like this software to open the folder where these sample files are stored "
        "(so that you can view them before working with them)?");
}

}  // namespace

void MainWindow::connectQueueHandlers() {
    connect(
        ListView1, &FileListView::keyDown, this,
        [this](int key, Qt::KeyboardModifiers modifiers) { ListView1_KeyDown(key, modifiers); });
    connect(ListView1, &FileListView::doubleClickedAnywhere, this,
            [this] { ListView1_DblClick(); });
    connect(ListView1, &FileListView::dragOver, this,
            [this](QDragMoveEvent* event) { ListView1_OLEDragOver(event); });
    connect(ListView1, &FileListView::dropped, this,
            [this](QDropEvent* event) { ListView1_OLEDragDrop(event); });
}

void MainWindow::PushButton1_Click() {
    StepGuard guard(reporter(), location::pushButton1());
    // The one failure the dialog itself signals: more names than it can hand back.
    guard.setInterceptor([this](const AppError& error) {
        if (error.number() != errors::kTooManyFiles) {
            return false;
        }
        msgBox(tooManyFilesText(), Dialogs::OkOnly);
        return true;
    });

    QString fileName;
    QString title;
    QString filter;
    guard.step(104, [&] { fileName.clear(); });
    // Multiple selection is what openFiles always offers.
    guard.step(106, [] {});
    //: Title of the file dialog of "Add OGG File(s)".
    guard.step(108, [&] {
        title = QCoreApplication::translate("MainWindow",
                                            "Add File(s) - Hold Ctrl to select multiple files");
    });
    // Opus files are Ogg files too, and .oga is the Ogg audio ending; "All files" reaches a
    // file whose ending says nothing, which the converter's check then judges. Only the
    // names are translated: the patterns are what the dialog matches.
    guard.step(110, [&] {
        //: The name of the file dialog's filter that shows Ogg Vorbis and Opus files.
        filter = QCoreApplication::translate("MainWindow", "Ogg audio") +
                 QStringLiteral(" (*.ogg *.oga *.opus);;") +
                 //: The name of the file dialog's filter that shows every file.
                 QCoreApplication::translate("MainWindow", "All files") + QStringLiteral(" (*)");
    });
    guard.step(112, [&] { fileName = dialogs().openFiles(title, filter); });
    if (guard.aborted()) {
        return;
    }
    if (guard.test(114, [&] { return fileName.isEmpty(); })) {
        return;
    }
    QStringList parts;
    guard.step(116, [&] { parts = fileName.split(QChar(0)); });
    if (guard.test(118, [&] { return parts.size() == 1; })) {
        QString path;
        guard.step(120, [&] { path = parts.value(0); });
        guard.step(122, [&] { fileList().AddListEntry(path); });
        return;
    }
    if (!guard.test(124, [&] { return parts.size() >= 2; })) {
        return;
    }
    qsizetype first = 0;
    qsizetype last = -1;
    guard.step(126, [&] { first = 1; });
    guard.step(128, [&] { last = parts.size() - 1; });
    for (qsizetype i = first; i <= last && !guard.aborted(); ++i) {  // step 134
        QString path;
        guard.step(136, [&] { path = parts.at(0) + kSep + parts.at(i); });
        guard.step(138, [&] { path = CollapseBackslashes(path); });
        guard.step(140, [&] { fileList().AddListEntry(path); });
        guard.step(142, [] {});
    }
}

void MainWindow::PushButton3_Click() {
    StepGuard guard(reporter(), location::pushButton3());

    QString extension;
    guard.step(100, [&] {
        extension = dialogs().inputBox(
            extensionPrompt(), appTitle(),
            settings().ReadSetting(settingkeys::extension(), defaultExtensions()));
        if (!extension.isEmpty()) {
            settings().WriteSetting(settingkeys::extension(), extension);
        }
    });
    if (guard.test(102, [&] { return extension.isEmpty(); })) {
        return;
    }
    QString folder;
    guard.step(104, [&] {
        m_lastFolder = settings().ReadSetting(settingkeys::lastIntakeFolder(), QString());
        //: Title of the folder dialogs of "Add All OGG File(s) In Folder" and of the "..."
        //: button beside the output folder field.
        folder = dialogs().browseForFolder(
            QCoreApplication::translate("MainWindow", "Please select folder:"), m_lastFolder);
    });
    if (guard.test(106, [&] { return folder.isEmpty(); })) {
        return;
    }
    guard.step(333, [&] { m_lastFolder = folder; });
    guard.step(334,
               [&] { settings().WriteSetting(settingkeys::lastIntakeFolder(), m_lastFolder); });
    // Pressed while another long operation (a conversion run, a first walk) shows the
    // hourglass, the walk leaves it to that operation to take down: the hourglass is also
    // what keeps Delete and "Clear List" away from the list meanwhile.
    bool othersBusy = false;
    guard.step(112, [&] {
        othersBusy = isBusy();
        setPointerKind(kPointerBusy);
    });

    FolderWalk walk(reporter(), YieldToEvents);
    AddFolderFiles(folder, ExtensionPattern(extension), fileList(), walk, guard);

    guard.step(136, [&] { setPointerKind(othersBusy ? kPointerBusy : kPointerDefault); });
}

void MainWindow::PushButton4_Click() {
    StepGuard guard(reporter(), location::pushButton4());
    guard.step(100, [this] {
        if (!isBusy()) {
            fileList().clear();
        }
    });
}

void MainWindow::PushButton5_Click() {
    StepGuard guard(reporter(), location::pushButton5());
    guard.step(100, [this] {
        const QString stored =
            settings().ReadSetting(settingkeys::snapshot(), QStringLiteral("False"));
        for (const QString& path : SamplePaths(stored)) {
            if (PathExists(path) && !fileList().ListContains(path)) {
                fileList().AddListEntry(path);
            }
        }
        if (msgBox(openFolderQuestion(), Dialogs::YesNo) == Dialogs::Yes) {
            dialogs().openFolder(SamplesFolder(programFolder()));
        }
    });
}

void MainWindow::takeSampleSnapshot() {
    settings().WriteSetting(settingkeys::snapshot(),
                            ScrambleText(SampleSnapshotText(programFolder())));
}

void MainWindow::ListView1_KeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    Q_UNUSED(shift);  // Shift+Delete and Ctrl+Delete remove as Delete does
    if (keyCode == Qt::Key_Delete) {
        removeSelectedEntry();
    }
}

void MainWindow::ListView1_DblClick() {
    removeSelectedEntry();
}

void MainWindow::removeSelectedEntry() {
    if (isBusy() || fileList().count() == 0) {
        return;
    }
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return;
    }
    const int row = selected.front().row();
    fileList().removeEntry(row + 1);
    // The next entry takes the removed one's place under the selection, so Delete can be
    // pressed again and again.
    if (fileList().count() > 0) {
        const QModelIndex next = fileList().index(std::min(row, fileList().count() - 1));
        ListView1->selectionModel()->setCurrentIndex(
            next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void MainWindow::ListView1_OLEDragOver(QDragMoveEvent* event) {
    const QMimeData* offered = event->mimeData();
    if (event->type() == QEvent::DragEnter || offered != m_dragData) {
        m_dragData = offered;
        m_dragOffersFiles = OffersLocalFiles(offered);
    }
    if (!m_dragOffersFiles) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

void MainWindow::ListView1_OLEDragDrop(QDropEvent* event) {
    m_dragData = nullptr;  // the drag is over
    const QStringList paths = FileDropList(event->mimeData());
    if (paths.isEmpty()) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    // The drag's source waits for the drop to end; a folder tree can take a while, so it is
    // taken in once the drop is over.
    QTimer::singleShot(0, this, [this, paths] { addDroppedItems(paths); });
}

void MainWindow::addDroppedItems(const QStringList& paths) {
    // A dropped folder's walk shows the hourglass as "Add All" does, and for the same reason:
    // it keeps Delete and "Clear List" away from the list until the walk is done. An
    // hourglass that was already up belongs to another operation and stays.
    bool othersBusy = false;
    AddDroppedItems(paths, fileList(), reporter(), YieldToEvents,
                    [this, &othersBusy](bool walking) {
                        if (walking) {
                            othersBusy = isBusy();
                            setPointerKind(kPointerBusy);
                        } else {
                            setPointerKind(othersBusy ? kPointerBusy : kPointerDefault);
                        }
                    });
}

void MainWindow::queueStartItems(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    m_startItems.append(paths);
    // Whoever hands the items over waits only for them to be taken, not for a folder walk;
    // and a batch arriving while an earlier one is walked must wait its turn.
    if (!m_takingStartItems) {
        m_takingStartItems = true;
        QTimer::singleShot(0, this, [this] { takeStartItems(); });
    }
}

void MainWindow::takeStartItems() {
    // As "Add All" does: an hourglass that another long operation put up stays for it.
    const bool othersBusy = isBusy();
    setPointerKind(kPointerBusy);
    while (!m_startItems.isEmpty()) {
        addDroppedItems(m_startItems.takeFirst());
    }
    setPointerKind(othersBusy ? kPointerBusy : kPointerDefault);
    m_takingStartItems = false;
}

}  // namespace lorvane
