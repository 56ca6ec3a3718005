// The list model shared by every list view: pre-inserted rows, filling, trimming, sorting by
// score and renumbering.
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "generation/ui/result_list_model.h"

using langyue::ResultListModel;

class ResultListModelTest : public QObject {
    Q_OBJECT

private slots:
    void has_the_result_columns() {
        ResultListModel model;
        QCOMPARE(model.columnCount(), 8);
        const QStringList headers = {"编号", "姓名", "简体笔划", "繁体笔划",
                                     "五行", "五格", "三才",     "评分"};
        const QList<int> widths = {60, 70, 80, 80, 70, 120, 50, 70};
        for (int column = 0; column < 8; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers[column]);
            QCOMPARE(model.columns()[static_cast<size_t>(column)].width, widths[column]);
        }
        ResultListModel english(ResultListModel::english_columns());
        QCOMPARE(english.columnCount(), 4);
        QCOMPARE(english.headerData(2, Qt::Horizontal).toString(), QStringLiteral("中文读音"));
    }

    void fills_trims_sorts_and_renumbers_a_full_list() {
        ResultListModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.insert_empty_rows(100001);
        QCOMPARE(model.rowCount(), 100001);
        QCOMPARE(inserted.count(), 1);  // one insertion, however many rows
        // Fill 60,000 rows in generation order with scores 0 … 99 repeating.
        for (int row = 0; row < 60000; ++row) {
            model.set_row(row, {QString::number(row + 1), QStringLiteral("李明"), "1", "2", "木",
                                "1,2,3,4,5", "木木木", QString::number(row % 100)});
        }
        QCOMPARE(model.text(59999, 0), QStringLiteral("60000"));
        QCOMPARE(model.text(60000, 0), QString());
        model.trim_to(60000);
        QCOMPARE(model.rowCount(), 60000);
        model.sort_by_score();
        model.renumber();
        QCOMPARE(model.text(0, 7), QStringLiteral("99"));
        QCOMPARE(model.text(599, 7), QStringLiteral("99"));
        QCOMPARE(model.text(600, 7), QStringLiteral("98"));
        QCOMPARE(model.text(59999, 7), QStringLiteral("0"));
        QCOMPARE(model.text(0, 0), QStringLiteral("1"));
        QCOMPARE(model.text(59999, 0), QStringLiteral("60000"));
    }

    void sorts_by_number_highest_first_keeping_equal_rows_in_order() {
        ResultListModel model;
        for (const char* score : {"99", "100", "7", "99", ""}) {
            model.append_row({"", QString::fromUtf8(score) + "x", "", "", "", "", "",
                              QString::fromUtf8(score)});
        }
        model.sort_by_score();
        QStringList order;
        for (int row = 0; row < model.rowCount(); ++row) order.append(model.text(row, 7));
        QCOMPARE(order, QStringList({"100", "99", "99", "7", ""}));
    }

    void selection_follows_its_row_when_sorted() {
        ResultListModel model;
        QTableView view;
        model.attach_to(&view);
        for (const char* score : {"10", "90", "50"}) {
            model.append_row({"", QString::fromUtf8(score), "", "", "", "", "", QString::fromUtf8(score)});
        }
        view.selectRow(0);
        model.sort_by_score();
        QCOMPARE(view.selectionModel()->selectedRows().first().row(), 2);
    }

    void removes_rows_and_finds_texts() {
        ResultListModel model;
        for (int i = 1; i <= 3; ++i) model.append_row({QString::number(i), QStringLiteral("名%1").arg(i)});
        model.remove_row(1);
        model.renumber();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.text(1, 0), QStringLiteral("2"));
        QCOMPARE(model.find_row(1, QStringLiteral("名3")), 1);
        QCOMPARE(model.find_row(1, QStringLiteral("名2")), -1);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void shows_a_line_break_as_a_blank() {
        ResultListModel model;
        model.append_row({"1", QStringLiteral("李\r\n明")});
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("李 明"));
        QCOMPARE(model.text(0, 1), QStringLiteral("李\r\n明"));
    }
};

QTEST_MAIN(ResultListModelTest)
#include "result_list_model_test.moc"
