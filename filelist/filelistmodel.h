#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace lorvane {

// The queue of input files. Each entry is one text, the path exactly as it was added;
// entries are addressed by position 1 to count() and may repeat. The list never checks or
// normalises what it is given.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit FileListModel(QObject* parent = nullptr);

    void AddListEntry(const QString& path);
    // Appends many entries in one go (one model notification instead of one per entry).
    void addEntries(const QStringList& paths);

    int count() const { return static_cast<int>(m_entries.size()); }
    // 1-based; fails with 9 "Subscript out of range" outside 1..count().
    QString entryText(int position) const;
    void setEntryText(int position, const QString& text);
    void removeEntry(int position);
    void clear();

    // True when some entry equals the path exactly (case-sensitive). A full scan by design:
    // only the sample loader asks, once per sample file.
    bool ListContains(const QString& path) const;

    const QStringList& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The column header exists only once start-up has added it.
    void setColumnHeader(const QString& header);
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;

  private:
    void checkPosition(int position) const;

    QStringList m_entries;
    QString m_header;
    bool m_hasColumn = false;
};

}  // namespace lorvane
