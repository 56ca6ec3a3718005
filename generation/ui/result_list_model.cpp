#include "generation/ui/result_list_model.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <numeric>

namespace langyue {

const std::vector<ResultListModel::Column>& ResultListModel::result_columns() {
    static const std::vector<Column> columns = {
        {QStringLiteral("编号"), 60},     {QStringLiteral("姓名"), 70},
        {QStringLiteral("简体笔划"), 80}, {QStringLiteral("繁体笔划"), 80},
        {QStringLiteral("五行"), 70},     {QStringLiteral("五格"), 120},
        {QStringLiteral("三才"), 50},     {QStringLiteral("评分"), 70}};
    return columns;
}

const std::vector<ResultListModel::Column>& ResultListModel::english_columns() {
    static const std::vector<Column> columns = {{QStringLiteral("编号"), 60},
                                                {QStringLiteral("英文名"), 100},
                                                {QStringLiteral("中文读音"), 200},
                                                {QStringLiteral("相关含义"), 280}};
    return columns;
}

const std::vector<ResultListModel::Column>& ResultListModel::poet_columns() {
    static const std::vector<Column> columns = {{QStringLiteral("编号"), 44},
                                                {QStringLiteral("诗人"), 110}};
    return columns;
}

const std::vector<ResultListModel::Column>& ResultListModel::poem_columns() {
    static const std::vector<Column> columns = {{QStringLiteral("编号"), 44},
                                                {QStringLiteral("诗词标题"), 160}};
    return columns;
}

ResultListModel::ResultListModel(QObject* parent) : ResultListModel(result_columns(), parent) {}

ResultListModel::ResultListModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    const QString& value = cells_[cell(index.row(), index.column())];
    switch (role) {
        case Qt::DisplayRole:
            // A record's name holds a line break between surname and given name; one line
            // per row reads better, so it is shown as a blank.
            return value.contains(QLatin1Char('\n'))
                       ? QString(value).replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                       : value;
        case Qt::ToolTipRole:
            return value.isEmpty() ? QVariant() : QVariant(value);
        case Qt::DecorationRole:
            if (index.column() == 0 && !value.isEmpty() && !row_image_.isNull()) return row_image_;
            return {};
        default:
            return {};
    }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) return columns_[static_cast<size_t>(section)].header;
    if (role == Qt::SizeHintRole) {
        return QSize(columns_[static_cast<size_t>(section)].width, 22);
    }
    return {};
}

QString ResultListModel::text(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columnCount()) return {};
    return cells_[cell(row, column)];
}

void ResultListModel::set_text(int row, int column, const QString& text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columnCount()) return;
    cells_[cell(row, column)] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
}

void ResultListModel::set_row(int row, const QStringList& texts) {
    if (row < 0 || row >= rows_) return;
    const int count = columnCount();
    for (int column = 0; column < count; ++column) {
        cells_[cell(row, column)] = column < texts.size() ? texts[column] : QString();
    }
    emit dataChanged(index(row, 0), index(row, count - 1));
}

int ResultListModel::append_row(const QStringList& texts) {
    insert_empty_rows(1);
    set_row(rows_ - 1, texts);
    return rows_ - 1;
}

void ResultListModel::insert_empty_rows(int count) {
    if (count <= 0) return;
    beginInsertRows(QModelIndex(), rows_, rows_ + count - 1);
    rows_ += count;
    cells_.resize(cell(rows_, 0));
    endInsertRows();
}

void ResultListModel::trim_to(int count) {
    count = std::max(count, 0);
    if (count >= rows_) return;
    beginRemoveRows(QModelIndex(), count, rows_ - 1);
    rows_ = count;
    cells_.resize(cell(rows_, 0));
    endRemoveRows();
}

void ResultListModel::remove_row(int row) {
    if (row < 0 || row >= rows_) return;
    beginRemoveRows(QModelIndex(), row, row);
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(cell(row, 0));
    cells_.erase(first, first + static_cast<std::ptrdiff_t>(columns_.size()));
    --rows_;
    endRemoveRows();
}

void ResultListModel::clear() { trim_to(0); }

void ResultListModel::renumber() {
    if (rows_ == 0) return;
    for (int row = 0; row < rows_; ++row) cells_[cell(row, 0)] = QString::number(row + 1);
    emit dataChanged(index(0, 0), index(rows_ - 1, 0));
}

void ResultListModel::sort_by_score(int column) {
    if (rows_ < 2 || column < 0 || column >= columnCount()) return;
    std::vector<int> values(static_cast<size_t>(rows_));
    for (int row = 0; row < rows_; ++row) {
        values[static_cast<size_t>(row)] = cells_[cell(row, column)].trimmed().toInt();
    }
    std::vector<int> order(static_cast<size_t>(rows_));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return values[static_cast<size_t>(a)] > values[static_cast<size_t>(b)];
    });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<QString> sorted(cells_.size());
    const size_t width = columns_.size();
    for (size_t to = 0; to < order.size(); ++to) {
        const size_t from = static_cast<size_t>(order[to]);
        std::move(cells_.begin() + static_cast<std::ptrdiff_t>(from * width),
                  cells_.begin() + static_cast<std::ptrdiff_t>((from + 1) * width),
                  sorted.begin() + static_cast<std::ptrdiff_t>(to * width));
    }
    cells_ = std::move(sorted);
    // Persistent indexes (the selection) follow their rows to the new places.
    std::vector<int> new_place(order.size());
    for (size_t to = 0; to < order.size(); ++to) new_place[static_cast<size_t>(order[to])] = static_cast<int>(to);
    const QModelIndexList old_indexes = persistentIndexList();
    QModelIndexList new_indexes;
    new_indexes.reserve(old_indexes.size());
    for (const QModelIndex& old_index : old_indexes) {
        new_indexes.append(index(new_place[static_cast<size_t>(old_index.row())], old_index.column()));
    }
    changePersistentIndexList(old_indexes, new_indexes);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ResultListModel::find_row(int column, const QString& text) const {
    if (column < 0 || column >= columnCount()) return -1;
    for (int row = 0; row < rows_; ++row) {
        if (cells_[cell(row, column)] == text) return row;
    }
    return -1;
}

void ResultListModel::attach_to(QTableView* view) {
    view->setModel(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->verticalHeader()->hide();
    // Fixed row heights keep a list of 100,001 rows as cheap as a short one.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(22);
    QHeaderView* header = view->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (size_t column = 0; column < columns_.size(); ++column) {
        view->setColumnWidth(static_cast<int>(column), columns_[column].width);
    }
}

}  // namespace langyue
