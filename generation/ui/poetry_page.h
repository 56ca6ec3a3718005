// The behaviour of the poetry page (PoetrySelectionPage): the poet and poem lists, the poem
// page, the character grid made from the template check box 选择框1, the grid buttons and the
// page's generate button. The controls themselves are built with the main window's pages; this
// object finds them by their control names under a root widget and binds them.
#pragma once

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

class QCheckBox;
class QTabWidget;
class QTableView;
class QWidget;

namespace langyue {

class HtmlView;
class ResultListModel;

class PoetrySelectionPage : public QObject {
    Q_OBJECT

public:
    // The left and top of 分组框_诗词字符 as laid out, the grid's origin, and its steps.
    static constexpr int kGridLeft = 8;
    static constexpr int kGridTop = 24;
    static constexpr int kBoxesPerRow = 15;
    static constexpr int kColumnStep = 40;
    static constexpr int kRowStep = 20;
    static constexpr int kBoxWidth = 70;
    static constexpr int kBoxHeight = 20;

    // `root` holds the page's controls (the main window, or the page alone in tests).
    explicit PoetrySelectionPage(QWidget* root, QObject* parent = nullptr);

    // The check boxes of the PoemCharacterGrid in grid order.
    const std::vector<QCheckBox*>& grid() const { return grid_; }
    // The captions of the ticked boxes in grid order (GBK): what a poetry run reads.
    std::vector<std::string> ticked_characters() const;

public slots:
    // The start button in poetry mode: every poet of LM_Poet by OrderId, then the first poet's
    // poems. Pending window events are handled while the list fills.
    void fill_poet_list();
    // The poems of the selected poet, the first one selected.
    void show_poems_of_poet();
    // The selected poem as a page in data/temp.html, shown in 网页浏览框1.
    void show_poem();
    // One check box per character of the selected poem ("请选择一首诗词" without a poem), then
    // the tab "诗词取名".
    void use_poem();
    void lay_out_poem_characters();
    void select_all_characters();
    void invert_characters();
    void clear_all_characters();
    // Empties 超级列表框_诗名列表 and asks for a run.
    void generate_from_poem();
    // The tab "生成名字" (a poetry run shows it before its preparation).
    void show_names_tab();

signals:
    // The page's 生成 was pressed: the window starts a poetry run.
    void generate_requested();

private:
    void clear_grid();
    int selected_row(QTableView* view) const;
    void select_first_row(QTableView* view);
    QString selected_text(QTableView* view) const;

    QPointer<QWidget> root_;
    QTabWidget* tabs_ = nullptr;
    QTableView* poets_ = nullptr;
    QTableView* poems_ = nullptr;
    QTableView* names_ = nullptr;
    HtmlView* poem_view_ = nullptr;
    QCheckBox* template_box_ = nullptr;
    std::vector<QCheckBox*> grid_;
    bool filling_ = false;  // the poet list is filling; a second start waits for it
};

// The model of a list view of the main window's pages (nullptr for any other view).
ResultListModel* page_list_model(QTableView* view);

}  // namespace langyue
