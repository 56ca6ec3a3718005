// The chart page inside the real main window: creation step 5 charts the mode page's date,
// 查询 answers, and the toolbar's 生辰八字 prepares and shows the page.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "app/ui/main_window.h"

namespace langyue {

class MainWindowChartTest : public QObject {
    Q_OBJECT

    // The mode page's date lists are filled by creation step 4; the test fills them itself.
    static void set_naming_date(MainWindow& window, const QStringList& texts) {
        const char* names[] = {"组合框_年份", "组合框_月份", "组合框_日子", "组合框_时间"};
        const int ranges[][2] = {{1970, 2030}, {1, 12}, {1, 31}, {0, 23}};
        for (int i = 0; i < 4; ++i) {
            auto* list = window.control<QComboBox>(QString::fromUtf8(names[i]));
            QVERIFY(list != nullptr);
            if (list->count() == 0) {
                for (int n = ranges[i][0]; n <= ranges[i][1]; ++n)
                    list->addItem(QString::number(n));
            }
            list->setCurrentText(texts[i]);
            QCOMPARE(list->currentText(), texts[i]);
        }
    }

    static QStringList chart_lines(MainWindow& window) {
        return window.control<QPlainTextEdit>(QStringLiteral("编辑框_八字信息"))
            ->toPlainText()
            .split('\n');
    }

private slots:
    void stepFiveChartsTheStartDateAndQueryAnswers() {
        MainWindow window;
        set_naming_date(window, {"2017", "1", "1", "0"});
        window.show_birth_chart();
        QStringList lines = chart_lines(window);
        QCOMPARE(lines.value(0), QStringLiteral("公历日期：2017年1月1日0时"));
        QCOMPARE(lines.value(2), QStringLiteral("农历日期：丙申年    腊月  初四日  壬子时"));
        QCOMPARE(lines.value(4), QStringLiteral("八字四柱：丙申年  庚子月  戊子日  壬子时"));

        set_naming_date(window, {"2013", "2", "10", "12"});
        QTest::mouseClick(window.control<QPushButton>(QStringLiteral("按钮_八字查询")),
                          Qt::LeftButton);
        lines = chart_lines(window);
        QCOMPARE(lines.value(4), QStringLiteral("八字四柱：癸巳年  甲寅月  丁未日  丙午时"));
        QCOMPARE(lines.value(6),
                 QStringLiteral("八字五行：水,火,木,木,火,土,火,火, ( 五行缺：金 ) "));
        QCOMPARE(window.control<QLabel>(QStringLiteral("缺五行标签"))->text(),
                 QStringLiteral("金"));
    }

    void toolbarPreparesThePage() {
        MainWindow window;
        set_naming_date(window, {"2018", "3", "4", "22"});
        window.control<QComboBox>(QStringLiteral("组合框_八字年份"))->setCurrentText("2020");
        window.dispatch_toolbar_command(2);
        QCOMPARE(window.pages()->currentIndex(), int(MainWindow::kChartPage));
        QCOMPARE(window.control<QLabel>(QStringLiteral("透明标签_起名日期"))->text(),
                 QStringLiteral("2018年3月4日22时"));
        QCOMPARE(window.control<QComboBox>(QStringLiteral("组合框_八字年份"))->currentText(),
                 QStringLiteral("2013"));
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::MainWindowChartTest)
#include "main_window_chart_test.moc"
