#include "filelist/filelistmodel.h"

#include "platform/apperror.h"
#include "platform/pathbytes.h"

namespace lorvane {

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {}

void FileListModel::AddListEntry(const QString& path) {
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(path);
    endInsertRows();
}

void FileListModel::addEntries(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    const int row = count();
    beginInsertRows(QModelIndex(), row, row + static_cast<int>(paths.size()) - 1);
    m_entries.append(paths);
    endInsertRows();
}

void FileListModel::checkPosition(int position) const {
    if (position < 1 || position > count()) {
        throw errors::subscriptOutOfRange();
    }
}

QString FileListModel::entryText(int position) const {
    checkPosition(position);
    return m_entries.at(position - 1);
}

void FileListModel::setEntryText(int position, const QString& text) {
    checkPosition(position);
    m_entries[position - 1] = text;
    const QModelIndex i = index(position - 1);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void FileListModel::removeEntry(int position) {
    checkPosition(position);
    beginRemoveRows(QModelIndex(), position - 1, position - 1);
    m_entries.removeAt(position - 1);
    endRemoveRows();
}

void FileListModel::clear() {
    if (m_entries.isEmpty()) {
        return;
    }
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

bool FileListModel::ListContains(const QString& path) const {
    bool found = false;
    for (const QString& entry : m_entries) {
        if (entry == path) {
            found = true;
        }
    }
    return found;
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_hasColumn ? 0 : 1;
}

QModelIndex FileListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || column != 0 || row < 0 || row >= count()) {
        return QModelIndex();
    }
    return createIndex(row, column);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) {
        return QVariant();
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        // The entry keeps the name's bytes; the list shows the ones that are not text as \xHH.
        return DisplayPath(m_entries.at(index.row()));
    }
    return QVariant();
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole && m_hasColumn) {
        return m_header;
    }
    return QVariant();
}

void FileListModel::setColumnHeader(const QString& header) {
    if (!m_hasColumn) {
        beginInsertColumns(QModelIndex(), 0, 0);
        m_hasColumn = true;
        m_header = header;
        endInsertColumns();
        return;
    }
    m_header = header;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

}  // namespace lorvane
