// The model behind every list view of the program: the result lists, the scoring list, the
// naming records, the English list and the poetry page's poet and poem lists. Rows are kept in
// one flat array of cell texts, so inserting 100,001 empty rows, filling a row, trimming the
// end, sorting by score and renumbering are all cheap.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <vector>

class QTableView;

namespace langyue {

class ResultListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        QString header;
        int width = 80;
    };

    // "编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分"; widths 60, 70,
    // 80, 80, 70, 120, 50, 70.
    static const std::vector<Column>& result_columns();
    // "编号" 60, "英文名" 100, "中文读音" 200, "相关含义" 280.
    static const std::vector<Column>& english_columns();
    // Row number and one text: the poetry page's poet list ("诗人") and poem list ("诗词").
    static const std::vector<Column>& poet_columns();
    static const std::vector<Column>& poem_columns();

    // Column positions of the result layout.
    enum ResultColumn { kNumber = 0, kName = 1, kScore = 7 };

    explicit ResultListModel(QObject* parent = nullptr);
    ResultListModel(std::vector<Column> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<Column>& columns() const { return columns_; }
    // The image every non-empty row shows in front of column 0 (the list's image 0).
    void set_row_image(const QIcon& image) { row_image_ = image; }

    // Cell text; empty outside the list.
    QString text(int row, int column) const;
    // Changes one cell, or every cell of a row (missing texts become empty, extra ones are
    // dropped). Rows outside the list are ignored.
    void set_text(int row, int column, const QString& text);
    void set_row(int row, const QStringList& texts);

    // Appends one row and returns its position.
    int append_row(const QStringList& texts);
    // Appends `count` empty rows at the end (the rows a run fills later).
    void insert_empty_rows(int count);
    // Deletes rows from the end until `count` remain.
    void trim_to(int count);
    void remove_row(int row);
    void clear();

    // Writes 1, 2, 3, ... into column 0 from the top row down.
    void renumber();
    // Sorts the rows by the integer value of `column` (column 7, the score), highest first;
    // rows with equal values keep their order.
    void sort_by_score(int column = kScore);

    // The first row whose `column` equals `text`, or -1.
    int find_row(int column, const QString& text) const;

    // Sets up a table view as a report-style list of this model: column widths, whole-row
    // single selection, no grid, no row header, no editing.
    void attach_to(QTableView* view);

private:
    size_t cell(int row, int column) const {
        return static_cast<size_t>(row) * columns_.size() + static_cast<size_t>(column);
    }

    std::vector<Column> columns_;
    std::vector<QString> cells_;  // row after row, columns_.size() texts each
    int rows_ = 0;
    QIcon row_image_;
};

}  // namespace langyue
