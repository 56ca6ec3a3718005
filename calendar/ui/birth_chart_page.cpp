#include "calendar/ui/birth_chart_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include "app/ui/qt_text.h"

namespace langyue {
namespace {

const QString kObjectName = QStringLiteral("BirthChartPage");

QString combo_text(QWidget* holder, const QString& name) {
    auto* list = holder->findChild<QComboBox*>(name);
    return list ? list->currentText() : QString();
}

// The four date texts of a set of lists: year, month, day, hour.
struct DateTexts {
    QString year, month, day, hour;
};

DateTexts page_date(QWidget* page) {
    return {combo_text(page, QStringLiteral("组合框_八字年份")),
            combo_text(page, QStringLiteral("组合框_八字月份")),
            combo_text(page, QStringLiteral("组合框_八字日子")),
            combo_text(page, QStringLiteral("组合框_八字时间"))};
}

DateTexts naming_date(QWidget* main_dates) {
    return {combo_text(main_dates, QStringLiteral("组合框_年份")),
            combo_text(main_dates, QStringLiteral("组合框_月份")),
            combo_text(main_dates, QStringLiteral("组合框_日子")),
            combo_text(main_dates, QStringLiteral("组合框_时间"))};
}

// The chart's lines end in CR LF, as the program's texts do; the text widget wants LF.
void set_box_text(QWidget* page, const QString& name, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QWidget* box = page->findChild<QWidget*>(name);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        rich->setPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    }
}

void set_label_text(QWidget* page, const QString& name, const QString& text) {
    if (auto* label = page->findChild<QLabel*>(name)) label->setText(text);
}

void fill_numbers(QWidget* page, const QString& name, int first, int last, int selected) {
    auto* list = page->findChild<QComboBox*>(name);
    if (!list) return;
    list->clear();
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(selected);
}

}  // namespace

BirthChartPage::BirthChartPage(QWidget* page, QWidget* main_dates)
    : QObject(page), page_(page), main_dates_(main_dates) {
    setObjectName(kObjectName);
    if (auto* query = page->findChild<QPushButton*>(QStringLiteral("按钮_八字查询"))) {
        connect(query, &QPushButton::clicked, this, &BirthChartPage::show_birth_chart);
    }
}

BirthChartPage* BirthChartPage::attach(QWidget* page, QWidget* main_dates) {
    if (auto* existing = page->findChild<BirthChartPage*>(kObjectName, Qt::FindDirectChildrenOnly))
        return existing;
    return new BirthChartPage(page, main_dates);
}

void BirthChartPage::show_birth_chart() {
    auto* own_date = page_->findChild<QRadioButton*>(QStringLiteral("单选框_自定义日期"));
    const DateTexts date =
        own_date && own_date->isChecked() ? page_date(page_) : naming_date(main_dates_);
    const ChartTexts texts = compute_birth_chart(chart_, to_gbk(date.year), to_gbk(date.month),
                                                 to_gbk(date.day), to_gbk(date.hour));
    set_label_text(page_, QStringLiteral("八字五行标签"), from_gbk(texts.five_elements));
    set_label_text(page_, QStringLiteral("缺五行标签"), from_gbk(texts.missing_elements));
    set_box_text(page_, QStringLiteral("编辑框_八字信息"), from_gbk(texts.chart));
}

void BirthChartPage::prepare_eight_character_page() {
    const DateTexts date = naming_date(main_dates_);
    set_label_text(page_, QStringLiteral("透明标签_起名日期"),
                   date.year + QStringLiteral("年") + date.month + QStringLiteral("月") + date.day +
                       QStringLiteral("日") + date.hour + QStringLiteral("时"));
    fill_numbers(page_, QStringLiteral("组合框_八字年份"), 1970, 2030, 2013 - 1970);
    fill_numbers(page_, QStringLiteral("组合框_八字月份"), 1, 12, 0);
    fill_numbers(page_, QStringLiteral("组合框_八字日子"), 1, 31, 0);
    fill_numbers(page_, QStringLiteral("组合框_八字时间"), 0, 23, 0);
    if (auto* tabs = main_dates_->findChild<QTabWidget*>(QStringLiteral("高级选择夹1"))) {
        const int index = tabs->indexOf(page_);
        if (index >= 0) tabs->setCurrentIndex(index);
    }
}

}  // namespace langyue
