// What the detail and scoring tests need of the main window: its surname box, the scoring
// page's boxes and button, and the list views (each with a ResultListModel) under their
// control names. Also a message seam handler that records every message.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "app/messages.h"
#include "generation/ui/result_list_model.h"
#include "text/gbk.h"

namespace langyue::test {

class StandInMainWindow : public QWidget {
public:
    StandInMainWindow() {
        setObjectName(QStringLiteral("LumettoMain"));
        surname = add_box(QStringLiteral("编辑框_姓氏"));
        scoring_surname = add_box(QStringLiteral("编辑框_评分姓氏"));
        scoring_given = add_box(QStringLiteral("编辑框_评分名字"));
        score_button = new QPushButton(QStringLiteral("评分"), this);
        score_button->setObjectName(QStringLiteral("按钮_评分"));
        for (const char16_t* name :
             {u"超级列表框_高分起名", u"超级列表框_超吉起名", u"超级列表框_组合列表",
              u"超级列表框_诗名列表", u"超级列表框_小名列表", u"超级列表框_记录列表",
              u"超级列表框_评分列表"}) {
            auto* view = new QTableView(this);
            view->setObjectName(QString::fromUtf16(name));
            (new ResultListModel(view))->attach_to(view);
        }
    }

    QTableView* list(const QString& name) const { return findChild<QTableView*>(name); }
    ResultListModel* rows(const QString& name) const {
        return qobject_cast<ResultListModel*>(list(name)->model());
    }
    // Appends a row to a list and selects it.
    void add_and_select(const QString& list_name, const QStringList& texts) {
        const int row = rows(list_name)->append_row(texts);
        list(list_name)->selectRow(row);
    }

    QLineEdit* surname = nullptr;
    QLineEdit* scoring_surname = nullptr;
    QLineEdit* scoring_given = nullptr;
    QPushButton* score_button = nullptr;

private:
    QLineEdit* add_box(const QString& name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        return box;
    }
};

// Records every message shown while it lives (texts and titles in UTF-8) and answers OK.
class RecordedMessages {
public:
    RecordedMessages() {
        previous_ = set_message_handler([this](const Message& message) {
            texts.push_back(gbk_to_utf8(message.text));
            titles.push_back(gbk_to_utf8(message.title));
            return MessageAnswer::kOk;
        });
    }
    ~RecordedMessages() { set_message_handler(previous_); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> titles;

private:
    MessageHandler previous_;
};

}  // namespace langyue::test
