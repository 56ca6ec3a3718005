#include "analysis/ui/name_detail_window.h"

#include <QTabWidget>

#include "app/program_paths.h"
#include "app/ui/html_view.h"

namespace langyue {
namespace {

constexpr int kTabsTop = 40;

}  // namespace

QString detail_page_file(int tab) {
    const std::string name = tab == 0 ? "temp.html" : "temp" + std::to_string(tab) + ".html";
    return QString::fromStdString(data_file(name));
}

NameDetailWindow::NameDetailWindow(QWidget* parent) : DetailWindowFrame(parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("高级选择夹1"));
    for (int tab = 0; tab < kTabCount; ++tab) {
        auto* page = new QWidget;
        auto* view = new HtmlView(page);
        view->setObjectName(QStringLiteral("网页浏览框%1").arg(tab + 1));
        view->setGeometry(1, 1, 849, 403);
        views_[static_cast<size_t>(tab)] = view;
        tabs_->addTab(page, tab == 0 ? window_caption() : QString::number(tab));
        tabs_->setTabVisible(tab, tab == 0);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &NameDetailWindow::tab_changed);
    place_content(width(), height());
    views_[0]->open_page(detail_page_file(0));
}

HtmlView* NameDetailWindow::view(int tab) const {
    return tab >= 0 && tab < kTabCount ? views_[static_cast<size_t>(tab)] : nullptr;
}

void NameDetailWindow::show_character_tab(int position, const QString& character) {
    if (position < 1 || position > kCharacterTabs) return;
    tabs_->setTabText(position, character);
    tabs_->setTabVisible(position, true);
}

void NameDetailWindow::show_surname_tab() {
    tabs_->setTabText(kSurnameTab, QStringLiteral("姓氏起源"));
    tabs_->setTabVisible(kSurnameTab, true);
}

void NameDetailWindow::start_over() {
    tabs_->setCurrentIndex(0);
    for (int tab = 1; tab < kTabCount; ++tab) {
        tabs_->setTabVisible(tab, false);
        tabs_->setTabText(tab, QString::number(tab));
    }
    views_[0]->open_page(detail_page_file(0));
}

void NameDetailWindow::tab_changed(int tab) {
    // Tab 0 keeps the report it was given; every other tab reads its file again, which the
    // last opened name has rewritten.
    if (tab >= 1 && tab < kTabCount)
        views_[static_cast<size_t>(tab)]->open_page(detail_page_file(tab));
}

void NameDetailWindow::print_current() {
    if (HtmlView* shown = view(tabs_->currentIndex())) shown->print_page();
}

void NameDetailWindow::place_content(int width, int height) {
    if (!tabs_) return;
    tabs_->setGeometry(0, kTabsTop, width - 1, height - 70);
    for (HtmlView* view : views_) {
        if (view) view->resize(width - 8, height - 104);
    }
}

}  // namespace langyue
