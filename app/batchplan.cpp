#include "app/batchplan.h"

#include "app/uptodate.h"
#include "convert/commandline.h"
#include "convert/formattable.h"
#include "convert/outputtree.h"
#include "convert/reasons.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "filelist/namerules.h"
#include "platform/eventwait.h"

#include <QCoreApplication>
#include <QHash>

namespace lorvane {

namespace {

// The folder of a file found below `folder`, relative to it; empty at its top, or when the
// walk named the file otherwise than below the folder as given.
QString subfolderOf(const QString& file, QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    const QString prefix = folder == QLatin1String("/") ? folder : folder + QLatin1Char('/');
    if (!file.startsWith(prefix)) {
        return {};
    }
    const QString relative = file.mid(prefix.size());
    const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relative.left(slash);
}

QString resultPathFor(const ConversionChoices& choices, const QString& source) {
    if (choices.saveToFolder) {
        const auto folder = ResultFolderFor(choices, source);
        return folder ? OutputPathFor(source, *folder, true, false) : QString();
    }
    if (choices.saveBesideSource) {
        return OutputPathFor(source, choices.folderText, false, true);
    }
    return choices.folderText;
}

}  // namespace

QString LeavesOutputFolder() {
    //: Why a file found in a folder was not converted with --keep-tree: its subfolder would
    //: lead out of the output folder.
    return QCoreApplication::translate("BatchPlan",
                                       "its result would be outside the output folder");
}

QVector<QueuedSource> QueueBatchItems(const QStringList& items, const QString& extension,
                                      FailureReporter& reporter, QStringList* emptyFolders) {
    FileListModel list;
    QVector<QueuedSource> queued;
    const QString pattern = ExtensionPattern(extension);
    for (const QString& item : items) {
        const bool folder = IsDroppedFolder(item);
        const int before = list.count();
        AddDroppedItems({item}, list, reporter, YieldToEvents, {}, pattern);
        for (int position = before + 1; position <= list.count(); ++position) {
            const QString source = list.entryText(position);
            queued.append({source, folder ? subfolderOf(source, item) : QString()});
        }
        if (folder && list.count() == before && emptyFolders != nullptr) {
            emptyFolders->append(item);
        }
    }
    return queued;
}

BatchPlan PlanBatch(const QVector<QueuedSource>& queued, ConversionChoices& choices, bool keepTree,
                    bool update) {
    BatchPlan plan;
    QVector<bool> decided(queued.size(), false);
    for (qsizetype i = 0; i < queued.size(); ++i) {
        const QueuedSource& entry = queued[i];
        BatchRecord record;
        record.source = entry.source;
        if (keepTree && choices.saveToFolder && !entry.subfolder.isEmpty()) {
            if (StaysBelow(entry.subfolder)) {
                choices.subfolders.insert(entry.source, entry.subfolder);
            } else {
                record.reason = LeavesOutputFolder();
                decided[i] = true;
            }
        }
        plan.records.append(record);
    }

    const QString codec = getWAVFormat(choices.formatLabel);
    QHash<QString, QString> upToDate;  // a result left as it is -> its source
    for (qsizetype i = 0; i < queued.size(); ++i) {
        BatchRecord& record = plan.records[i];
        if (decided[i]) {
            continue;
        }
        record.result = resultPathFor(choices, record.source);
        if (update && !record.result.isEmpty() && !codec.isEmpty() &&
            IsUpToDate(record.source, record.result, codec)) {
            record.outcome = BatchRecord::UpToDate;
            upToDate.insert(record.result, record.source);
            decided[i] = true;
        }
    }
    for (qsizetype i = 0; i < queued.size(); ++i) {
        if (decided[i]) {
            continue;
        }
        BatchRecord& record = plan.records[i];
        // Converting it would trash a result that is up to date, and the next run would
        // convert that one's source again: the two would take turns for ever.
        const auto other = upToDate.constFind(record.result);
        if (other != upToDate.constEnd() && *other != record.source) {
            record.reason = reasons::replacesResult(*other);
            continue;
        }
        plan.toConvert.append(static_cast<int>(i));
    }
    return plan;
}

}  // namespace lorvane
