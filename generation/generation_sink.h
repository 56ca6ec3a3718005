// Everything a generation run changes on the window, as one interface. The engine never
// touches a widget: the main window's sink posts each call to the window's thread in order,
// the command-line tool and the tests keep their own.
#pragma once

#include <string>

#include "app/messages.h"
#include "generation/english_names.h"
#include "generation/result_list.h"

namespace langyue {

// The result lists the runs fill.
enum class ResultList { kHighScore, kSuperLucky, kPoetry, kCombination, kNickname };

// The controls a run enables, disables or captions.
enum class RunControlId {
    kModeToolButton,    // toolbar button 0 "模式选择"
    kModeMenuItem,      // the menu item "模式选择"
    kHighPause,         // 按钮_高分暂停
    kHighRegenerate,    // 按钮_再生成一次
    kHighExport,        // 按钮_高分导出
    kSuperGenerate,     // 按钮_超吉生成
    kSuperPause,        // 按钮_超吉暂停
    kSuperExport,       // 按钮_超吉导出
    kNicknameGenerate,  // 按钮_起小名
};

// Pages of the main tab control 高级选择夹1 that runs show.
enum GenerationPage { kPageHighScore = 1, kPageSuperLucky = 9, kPageClassic = 10 };

class GenerationSink {
public:
    virtual ~GenerationSink() = default;

    virtual void waiting_window_shown() = 0;
    virtual void waiting_window_closed() = 0;
    virtual void control_enabled(RunControlId control, bool enabled) = 0;
    virtual void page_shown(int page) = 0;

    // The list views: empty rows appended, one row filled, rows deleted from the end until
    // `remaining` are left, the rows sorted by score (highest first, equal scores in their
    // order), column 0 renumbered from 1.
    virtual void rows_inserted(ResultList list, int count) = 0;
    virtual void row_filled(ResultList list, int row, const ResultRow& texts) = 0;
    virtual void rows_trimmed(ResultList list, int remaining) = 0;
    virtual void rows_sorted(ResultList list) = 0;
    virtual void rows_renumbered(ResultList list) = 0;

    // The classic page's text box, replaced whole.
    virtual void classic_text(const std::string& text) = 0;

    // Poetry mode shows the sub-page "生成名字" of 高级选择夹2.
    virtual void poem_names_tab_shown() {}
    // English mode appends one row to 超级列表框_英文列表.
    virtual void english_row_added(const EnglishNameRow& /*row*/) {}

    // A message box. The run halts until it is answered.
    virtual MessageAnswer message(const Message& message) = 0;

    // Called before the run waits in a pause: whatever the sink holds back must show now.
    virtual void flush() {}
};

}  // namespace langyue
