// The eight-character page: which date is charted, the chart text and its holders, a date
// that does not exist, and what opening the page does. The controls are stand-ins with the
// page's control names, so the test does not need the main window.
#include "calendar/ui/birth_chart_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace langyue {
namespace {

QComboBox* add_numbers(QWidget* parent, const char* name, int first, int last, int selected) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(name));
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(selected);
    return list;
}

template <typename Widget>
Widget* add(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// A window with the mode page's date lists and a tab control whose page 6 is the chart page.
struct StandIn {
    QWidget window;
    QWidget* mode_page = nullptr;
    QWidget* chart_page = nullptr;
    QTabWidget* tabs = nullptr;

    StandIn() {
        tabs = add<QTabWidget>(&window, "高级选择夹1");
        mode_page = new QWidget;
        tabs->addTab(mode_page, QStringLiteral("模式选择"));
        for (int i = 1; i < 6; ++i) tabs->addTab(new QWidget, QString::number(i));
        chart_page = new QWidget;
        tabs->addTab(chart_page, QStringLiteral("生辰八字"));
        // The mode page's start date: 2017-1-1 0时 0分.
        add_numbers(mode_page, "组合框_年份", 1970, 2030, 47);
        add_numbers(mode_page, "组合框_月份", 1, 12, 0);
        add_numbers(mode_page, "组合框_日子", 1, 31, 0);
        add_numbers(mode_page, "组合框_时间", 0, 23, 0);
        add_numbers(mode_page, "组合框_分钟", 0, 59, 0);

        auto* naming = add<QRadioButton>(chart_page, "单选框1");
        naming->setChecked(true);
        add<QRadioButton>(chart_page, "单选框_自定义日期");
        add<QLabel>(chart_page, "透明标签_起名日期");
        add_numbers(chart_page, "组合框_八字年份", 1970, 2030, 43);
        add_numbers(chart_page, "组合框_八字月份", 1, 12, 0);
        add_numbers(chart_page, "组合框_八字日子", 1, 31, 0);
        add_numbers(chart_page, "组合框_八字时间", 0, 23, 0);
        add<QPushButton>(chart_page, "按钮_八字查询");
        add<QPlainTextEdit>(chart_page, "编辑框_八字信息");
        add<QLabel>(chart_page, "八字五行标签");
        add<QLabel>(chart_page, "缺五行标签");
    }

    template <typename Widget>
    Widget* find(const char* name) {
        return window.findChild<Widget*>(QString::fromUtf8(name));
    }
    void set_date(const char* year, const char* month, const char* day, const char* hour,
                  bool own_lists) {
        const char* names[2][4] = {
            {"组合框_年份", "组合框_月份", "组合框_日子", "组合框_时间"},
            {"组合框_八字年份", "组合框_八字月份", "组合框_八字日子", "组合框_八字时间"}};
        const char* texts[] = {year, month, day, hour};
        for (int i = 0; i < 4; ++i)
            find<QComboBox>(names[own_lists][i])->setCurrentText(QString::fromUtf8(texts[i]));
    }
    QString chart_text() { return find<QPlainTextEdit>("编辑框_八字信息")->toPlainText(); }
    QString line(int index) { return chart_text().split('\n').value(index); }
};

const QString kExampleChart = QStringLiteral(
    "公历日期：2013年2月10日12时\n\n"
    "农历日期：癸巳年    正月  初一日  丙午时\n\n"
    "八字四柱：癸巳年  甲寅月  丁未日  丙午时\n\n"
    "八字五行：水,火,木,木,火,土,火,火, ( 五行缺：金 ) \n\n"
    "五行纳音：长流水  大溪水  天河水  天河水\n\n"
    "生肖属相：蛇。\n\n蛇年出生的人取名偏旁部首：\n\n"
    "宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉。\n\n"
    "忌：小、石、刀、血、弓、火、人、犭、父、纟等部首。 ");

}  // namespace

class BirthChartPageTest : public QObject {
    Q_OBJECT

private slots:
    void chartsTheNamingDateWhenItsButtonIsSelected() {
        StandIn s;
        BirthChartPage* page = BirthChartPage::attach(s.chart_page, &s.window);
        QCOMPARE(BirthChartPage::attach(s.chart_page, &s.window), page);
        s.set_date("2013", "2", "10", "12", false);
        s.set_date("2020", "5", "5", "5", true);  // ignored while 单选框1 is selected
        page->show_birth_chart();
        QCOMPARE(s.chart_text(), kExampleChart);
        QCOMPARE(s.find<QLabel>("八字五行标签")->text(),
                 QStringLiteral("水,火,木,木,火,土,火,火,"));
        QCOMPARE(s.find<QLabel>("缺五行标签")->text(), QStringLiteral("金"));
    }

    void chartsThePagesOwnDateWhenCustomIsSelected() {
        StandIn s;
        BirthChartPage page(s.chart_page, &s.window);
        s.set_date("2020", "5", "5", "5", false);  // ignored now
        s.set_date("2013", "2", "10", "12", true);
        s.find<QRadioButton>("单选框_自定义日期")->setChecked(true);
        QVERIFY(!s.find<QRadioButton>("单选框1")->isChecked());
        // 查询 answers.
        QTest::mouseClick(s.find<QPushButton>("按钮_八字查询"), Qt::LeftButton);
        QCOMPARE(s.chart_text(), kExampleChart);
    }

    void hourTwentyThreeBelongsToTheNextDay() {
        StandIn s;
        BirthChartPage page(s.chart_page, &s.window);
        s.set_date("2013", "1", "1", "23", false);
        page.show_birth_chart();
        QCOMPARE(s.line(4), QStringLiteral("八字四柱：壬辰年  壬子月  戊辰日  壬子时"));
        s.set_date("2013", "1", "1", "0", false);
        page.show_birth_chart();
        QCOMPARE(s.line(4), QStringLiteral("八字四柱：壬辰年  壬子月  丁卯日  庚子时"));
        // Before 立春 the year of 龙 still holds.
        QCOMPARE(s.line(10), QStringLiteral("生肖属相：龙。"));
    }

    void dateThatDoesNotExistKeepsThePreviousPillars() {
        StandIn s;
        BirthChartPage page(s.chart_page, &s.window);
        s.set_date("2013", "2", "10", "12", false);
        page.show_birth_chart();
        s.set_date("2013", "2", "30", "5", false);
        page.show_birth_chart();
        QCOMPARE(s.line(0), QStringLiteral("公历日期：2013年2月30日5时"));
        QCOMPARE(s.line(2), QStringLiteral("农历日期："));
        QCOMPARE(s.line(4), QStringLiteral("八字四柱：癸巳年  甲寅月  丁未日  丙午时"));
        QCOMPARE(s.line(8), QStringLiteral("五行纳音：长流水  大溪水  天河水  天河水"));
        QCOMPARE(s.find<QLabel>("缺五行标签")->text(), QStringLiteral("金"));
        QCOMPARE(page.chart().pillars[1], std::string("\xbc\xd7\xd2\xfa"));  // 甲寅 in GBK
    }

    void openingThePageResetsItsDateButNotTheChart() {
        StandIn s;
        BirthChartPage page(s.chart_page, &s.window);
        s.set_date("2013", "2", "10", "12", false);
        page.show_birth_chart();
        s.find<QRadioButton>("单选框_自定义日期")->setChecked(true);
        s.set_date("2020", "5", "6", "7", true);
        s.set_date("2018", "3", "4", "22", false);

        page.prepare_eight_character_page();
        QCOMPARE(s.find<QLabel>("透明标签_起名日期")->text(), QStringLiteral("2018年3月4日22时"));
        const struct {
            const char* name;
            int count;
            const char* current;
        } lists[] = {{"组合框_八字年份", 61, "2013"},
                     {"组合框_八字月份", 12, "1"},
                     {"组合框_八字日子", 31, "1"},
                     {"组合框_八字时间", 24, "0"}};
        for (const auto& list : lists) {
            auto* combo = s.find<QComboBox>(list.name);
            QCOMPARE(combo->count(), list.count);
            QCOMPARE(combo->currentText(), QString::fromUtf8(list.current));
        }
        QCOMPARE(s.find<QComboBox>("组合框_八字年份")->itemText(0), QStringLiteral("1970"));
        QCOMPARE(s.find<QComboBox>("组合框_八字时间")->itemText(23), QStringLiteral("23"));
        QCOMPARE(s.tabs->currentIndex(), 6);
        // The chart stays that of the last query, and the radio buttons keep their state.
        QCOMPARE(s.chart_text(), kExampleChart);
        QVERIFY(s.find<QRadioButton>("单选框_自定义日期")->isChecked());
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::BirthChartPageTest)
#include "birth_chart_page_test.moc"
