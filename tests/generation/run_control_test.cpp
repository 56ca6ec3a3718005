#include "generation/generation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "generation/generation_worker.h"
#include "generation/poetry_modes.h"
#include "tests/generation/run_helpers.h"
#include "tests/generation/synthetic_database.h"

namespace langyue {
namespace {

// All verdicts 吉: every candidate scores 100, so rows are filled from the first candidate on.
class RunControlTest : public testing::Test {
protected:
    void SetUp() override {
        test::open_synthetic_database([](int) { return "吉"; },
                                      [](int, int, int) { return "吉"; });
    }
};

// Pauses or cancels the run when a chosen row has been filled.
class SteeringSink : public RecordingSink {
public:
    enum class Action { kPause, kCancel };
    SteeringSink(int row, Action action) : row_(row), action_(action) {}
    std::shared_ptr<RunControl> control = std::make_shared<RunControl>();

    void row_filled(ResultList list, int row, const ResultRow& texts) override {
        RecordingSink::row_filled(list, row, texts);
        if (row != row_) return;
        if (action_ == Action::kPause) control->pause();
        if (action_ == Action::kCancel) control->cancel();
    }

private:
    int row_;
    Action action_;
};

void wait_until_waiting(const RunControl& control) {
    for (int i = 0; i < 2000 && !control.waiting(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(control.waiting());
}

TEST_F(RunControlTest, EmptySurnameShowsTheMessageWithoutIconAndClosesAtOnce) {
    for (GenerationMode mode :
         {GenerationMode::kHighScore, GenerationMode::kSuperLucky, GenerationMode::kClassic}) {
        RecordingSink sink;
        test::run_to_end(test::inputs_for(mode, "", "男", 2), sink);
        ASSERT_EQ(sink.messages().size(), 1u);
        EXPECT_EQ(gbk_to_utf8(sink.messages()[0].text), "请输入姓氏");
        EXPECT_EQ(gbk_to_utf8(sink.messages()[0].title), "提示");
        EXPECT_EQ(sink.messages()[0].icon, MessageIcon::kNone);
        const std::vector<std::string> expected = {
            "waiting shown", "enable 0 0", "enable 1 0", "message", "enable 0 1",
            "enable 1 1",    "enable 8 1", "enable 4 1", "waiting closed"};
        EXPECT_EQ(sink.log(), expected);
    }
}

TEST_F(RunControlTest, PauseShowsTheFilledRowsThenEmptyOnesAndExportWritesOnlyTheFilled) {
    SteeringSink sink(24, SteeringSink::Action::kPause);  // pause after the 25th name
    GenerationWorker worker;
    const GenerationInputs inputs = test::inputs_for(GenerationMode::kHighScore, "李", "男", 2);
    worker.start(sink.control, [&](RunControl& control) { generation_run(inputs, sink, control); });
    wait_until_waiting(*sink.control);
    {
        std::lock_guard lock(sink.mutex());
        const std::vector<ResultRow>& rows = sink.rows(ResultList::kHighScore);
        ASSERT_EQ(rows.size(), 10001u);
        for (size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].filled(), i < 25) << i;
            if (i < 25) {
                ASSERT_EQ(rows[i].cells[ResultRow::kNumber], std::to_string(i + 1));
            }
        }
        const std::string text = result_list_export_text(rows);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 26);
        EXPECT_FALSE(sink.waiting_open());
    }
    EXPECT_TRUE(sink.enabled(RunControlId::kHighPause));
    worker.resume();
    worker.wait();
    EXPECT_EQ(sink.rows(ResultList::kHighScore).size(), 10000u);
    EXPECT_EQ(sink.log().back(), "enable 4 1");
}

TEST_F(RunControlTest, CancelMakesNoFurtherChange) {
    SteeringSink sink(9, SteeringSink::Action::kCancel);
    GenerationWorker worker;
    const GenerationInputs inputs = test::inputs_for(GenerationMode::kSuperLucky, "李", "女", 2);
    worker.start(sink.control, [&](RunControl& control) { generation_run(inputs, sink, control); });
    worker.wait();
    EXPECT_EQ(sink.log().back(), "fill 1 9");
    EXPECT_EQ(sink.rows(ResultList::kSuperLucky).size(), 100001u);
    EXPECT_FALSE(sink.enabled(RunControlId::kModeToolButton));
}

TEST_F(RunControlTest, CancelEndsAPause) {
    SteeringSink sink(0, SteeringSink::Action::kPause);
    GenerationWorker worker;
    const GenerationInputs inputs = test::inputs_for(GenerationMode::kHighScore, "李", "男", 2);
    worker.start(sink.control, [&](RunControl& control) { generation_run(inputs, sink, control); });
    wait_until_waiting(*sink.control);
    const size_t calls = sink.log().size();
    worker.cancel();
    EXPECT_EQ(sink.log().size(), calls);
}

TEST_F(RunControlTest, StartingAgainCancelsTheActiveRunAndStartsAfresh) {
    SteeringSink first(0, SteeringSink::Action::kPause);
    SteeringSink second(-1, SteeringSink::Action::kPause);
    GenerationWorker worker;
    const GenerationInputs inputs = test::inputs_for(GenerationMode::kHighScore, "李", "男", 2);
    worker.start(first.control, [&](RunControl& control) { generation_run(inputs, first, control); });
    wait_until_waiting(*first.control);
    const size_t calls = first.log().size();
    worker.start(second.control,
                 [&](RunControl& control) { generation_run(inputs, second, control); });
    worker.wait();
    EXPECT_TRUE(first.control->cancelled());
    EXPECT_EQ(first.log().size(), calls);
    EXPECT_EQ(second.rows(ResultList::kHighScore).size(), 10000u);
}

// The whole frame of a run in each mode, every change but the row fills, in order: what the
// mode prepares, where the waiting window closes, and the closing step.
struct FrameCase {
    const char* label;
    GenerationInputs inputs;
    const char* verdict;  // of every number and every pattern
    std::vector<std::string> expected;
};

std::vector<FrameCase> frame_cases() {
    const std::vector<std::string> closing = {"enable 0 1", "enable 1 1", "enable 8 1",
                                              "enable 4 1"};
    const auto with_closing = [&closing](std::vector<std::string> lines) {
        lines.insert(lines.end(), closing.begin(), closing.end());
        return lines;
    };
    std::vector<FrameCase> cases;

    // 2,910 entries of "李" + two characters + two blanks, CR LF twice after each 14th.
    std::vector<std::string> classic = {"waiting shown", "enable 0 0", "enable 1 0", "page 10",
                                        "classic 0", "classic 24108"};
    classic = with_closing(classic);
    classic.push_back("waiting closed");
    cases.push_back({"classic", test::inputs_for(GenerationMode::kClassic, "李", "男", 2), "吉",
                     classic});

    // 湛子会 and the surname: 4 x 4 pairs, the 7 holding 李 skipped.
    GenerationInputs combination = test::inputs_for(GenerationMode::kCombination, "李", "男", 2);
    combination.combination_text = gbk("湛子会");
    cases.push_back({"combination", combination, "吉",
                     with_closing({"waiting shown", "enable 0 0", "enable 1 0", "waiting closed",
                                   "insert 3 17", "trim 3 9", "sort 3", "renumber 3"})});

    // One nickname per pool character; those of 李 hold the surname.
    const std::vector<std::string> nicknames = nickname_pool(gbk("李"));
    const auto holding =
        static_cast<size_t>(std::count(nicknames.begin(), nicknames.end(), gbk("李")));
    cases.push_back(
        {"nickname", test::inputs_for(GenerationMode::kNickname, "李", "男", 2), "吉",
         with_closing({"waiting shown", "enable 0 0", "enable 1 0", "enable 8 0",
                       "waiting closed", "insert 4 " + std::to_string(nicknames.size() + 1),
                       "trim 4 " + std::to_string(nicknames.size() - holding), "sort 4",
                       "renumber 4"})});

    // No candidate reaches 90: the waiting window stays open to the end and the pause button
    // is never enabled.
    std::vector<std::string> empty_high = {
        "waiting shown", "enable 0 0", "enable 1 0", "enable 2 0", "enable 3 0", "enable 4 0",
        "page 1",        "insert 0 10001", "trim 0 0", "sort 0", "renumber 0", "enable 3 1"};
    empty_high = with_closing(empty_high);
    empty_high.push_back("waiting closed");
    cases.push_back({"high-score without a name of 90",
                     test::inputs_for(GenerationMode::kHighScore, "李", "男", 2), "大凶",
                     empty_high});
    return cases;
}

TEST(RunFrame, EachModeMakesItsChangesInOrder) {
    for (const FrameCase& c : frame_cases()) {
        const std::string verdict = c.verdict;
        test::open_synthetic_database([verdict](int) { return verdict; },
                                      [verdict](int, int, int) { return verdict; });
        RecordingSink sink;
        test::run_to_end(c.inputs, sink);
        EXPECT_EQ(test::log_without_fills(sink), c.expected) << c.label;
        EXPECT_FALSE(sink.waiting_open()) << c.label;
    }
}

TEST(RunControlState, PauseResumeAndCancel) {
    RunControl control;
    EXPECT_TRUE(control.running());
    control.pause();
    EXPECT_TRUE(control.paused());
    control.resume();
    EXPECT_TRUE(control.wait_while_paused());
    control.cancel();
    control.resume();  // a cancelled run stays cancelled
    EXPECT_TRUE(control.cancelled());
    EXPECT_FALSE(control.wait_while_paused());
    EXPECT_TRUE(control.wait_for_cancel(0));
}

}  // namespace
}  // namespace langyue
