// The program's decisions, taken once for both editions: every step a user
// meets, in order, from start-up to the end, through runs, initialize, help
// and back, refused and empty answers.
#include "program/program_model.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/engine_fakes.h"
#include "support/raster_sink.h"

namespace {

using program::StepKind;

// A user who answers every box from a script, and an edition that shows each
// step as a line of a log, brings up every window the model shows and gives
// its pictures pixels. The pictures' clearing and drawing go in the log too,
// where they happen among the steps.
class ScriptedUser {
public:
    explicit ScriptedUser(std::deque<std::string> answersToGive = {"35", "100"},
                          std::deque<bool> yesNoToGive = {})
        : answers(std::move(answersToGive)), yesNo(std::move(yesNoToGive)) {
        Take();
    }

    // Takes steps until the model waits for the user.
    void Take() {
        for (program::Step step = model.Next(); step.kind != StepKind::Wait; step = model.Next()) {
            Show(step);
        }
    }
    void Click(const char* control) {
        model.Clicked(control);
        Take();
    }

    std::deque<std::string> answers;
    std::deque<bool> yesNo;
    std::function<void()> duringTheRun = [] {};
    std::vector<std::string> log;

private:
    test_support::FrozenClock clock_;
    test_support::ScriptedDraws tails_{{0.75F}};

public:
    program::ProgramModel model{clock_, tails_};

private:
    void Show(const program::Step& step) {
        const std::string control(step.control);
        const std::string on = step.on ? " on" : " off";
        switch (step.kind) {
            case StepKind::ShowWindow:
                log.push_back("show " + std::string(step.window));
                // Each window's picture gets a sink, then the window becomes active.
                sinks.emplace_back().cleared = [this, name = step.window == "main" ? "graph"
                                                                                   : "helpText"] {
                    log.push_back(std::string(name) + " cleared");
                };
                model.Attach(step.window == "main" ? "graph" : "helpText", sinks.back(), 96.0, 1.0);
                model.Activated(step.window);
                break;
            case StepKind::UnloadWindow:
                log.push_back("unload " + std::string(step.window));
                break;
            case StepKind::PlayChime:
                log.push_back("chime " + step.text);
                break;
            case StepKind::AskCount:
                log.push_back("ask" + std::string(step.title) + " [" + step.text + "]");
                EXPECT_FALSE(answers.empty()) << "no answer left";
                model.AnswerCount(answers.empty() ? "" : Pop(answers));
                break;
            case StepKind::AskYesNo:
                log.push_back("yes/no " + std::string(step.title) + ": " +
                              std::string(step.prompt));
                EXPECT_FALSE(yesNo.empty()) << "no answer left";
                model.AnswerYesNo(!yesNo.empty() && Pop(yesNo));
                break;
            case StepKind::LetInputThrough:
                log.emplace_back("let input through");
                duringTheRun();
                break;
            case StepKind::SetBusy:
                log.push_back("busy" + on);
                break;
            case StepKind::SetEnabled:
                log.push_back(control + on);
                break;
            case StepKind::SetText:
                log.push_back(control + " \"" + step.text + "\"");
                break;
            case StepKind::SetSpokenName:
                log.push_back(control + " named " + step.text);
                break;
            case StepKind::SetSpokenEntries: {
                const auto& entries = model.SpokenEntries(step.control);
                log.push_back(control + " reads " + std::to_string(entries.size()) +
                              (entries.empty() ? "" : " from " + entries.front().text));
                log.push_back(control + (sinks.back().Blank() ? " blank" : " drawn"));
                break;
            }
            case StepKind::Focus:
                log.push_back("focus " + control);
                break;
            case StepKind::End:
                log.emplace_back("end");
                break;
            case StepKind::Wait:
                break;
        }
    }
    template <typename T>
    static T Pop(std::deque<T>& queue) {
        T front = queue.front();
        queue.pop_front();
        return front;
    }

    std::deque<test_support::RasterSink> sinks;
};

using Log = std::vector<std::string>;

// Both counts asked in turn, each shown as soon as it is in.
const Log kEntry{"ask お客人数の設定 [100]", "customerCount \"35\"", "ask 実験回数の設定 [100]",
                 "trialCount \"100\"", "focus startButton"};

Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// A run of 35 customers, every one tails: the mean is -35.0, one bar.
const Log kRun{"let input through",
               "busy on",
               "quitButton off",
               "initializeButton off",
               "meanShortage \"-35.0\"",
               "graph reads 1 from -35　100回",
               "graph drawn",
               "graph named 度数分布のグラフ　実験回数 100回　不足枚数の平均 -35.0",
               "focus graph",
               "startButton off",
               "quitButton on",
               "initializeButton on",
               "busy off"};

const Log kStartUp = Concat({{"show main", "graph cleared"}, kEntry});

TEST(ProgramModel, StartUpShowsTheMainWindowAndAsksBothCounts) {
    ScriptedUser user;
    EXPECT_EQ(user.log, kStartUp);
    // A box closing, or the window made active again, asks nothing more.
    user.log.clear();
    user.model.Activated("main");
    user.Take();
    EXPECT_EQ(user.log, Log{});
}

// Each row: what the user answers and does after start-up, and every step
// that follows, in order.
TEST(ProgramModel, EveryCommandTakesItsStepsInOrder) {
    const struct {
        const char* name;
        std::deque<std::string> answers;
        std::deque<bool> yesNo;
        std::vector<const char*> clicks;
        Log expected;
    } cases[] = {
        {"a refused answer brings the same box back without a word; an empty one asks "
         "whether to end, No asks the same question again, Yes ends at once",
         {"9", "35", "", ""},
         {false, true},
         {},
         {"show main", "graph cleared", "ask お客人数の設定 [100]", "ask お客人数の設定 [100]",
          "customerCount \"35\"", "ask 実験回数の設定 [100]", "yes/no 確認: 終了していいですか？",
          "ask 実験回数の設定 [100]", "yes/no 確認: 終了していいですか？", "end"}},
        {"a run holds quit and initialize, shows the mean and the graph, then leaves start "
         "disabled",
         {"35", "100"},
         {},
         {"startButton", "startButton"},
         Concat({kStartUp, kRun})},
        {"quit answered No leaves everything; Yes ends the program",
         {"35", "100"},
         {false, true},
         {"startButton", "quitButton", "quitButton", "helpButton"},
         Concat({kStartUp,
                 kRun,
                 {"chime endpinpon.wav", "yes/no ペルナムの実験: 終了していいですか？",
                  "chime endpinpon.wav", "yes/no ペルナムの実験: 終了していいですか？", "end"}})},
        {"initialize clears the graph and the values, then asks both counts again",
         {"35", "100", "35", "100"},
         {},
         {"startButton", "initializeButton", "startButton"},
         Concat({kStartUp,
                 kRun,
                 {"chime pinpon.wav", "startButton on", "graph cleared", "graph reads 0",
                  "graph blank", "graph named 度数分布のグラフ", "trialCount \"\"",
                  "meanShortage \"\"", "customerCount \"\""},
                 kEntry,
                 kRun})},
        {"initialize, then an empty answer and Yes, ends the program",
         {"35", "100", ""},
         {true},
         {"initializeButton", "startButton"},
         Concat({kStartUp,
                 {"chime pinpon.wav", "startButton on", "graph cleared", "graph reads 0",
                  "graph blank", "graph named 度数分布のグラフ", "trialCount \"\"",
                  "meanShortage \"\"", "customerCount \"\"", "ask お客人数の設定 [100]",
                  "yes/no 確認: 終了していいですか？", "end"}})},
        {"help unloads the main window for the help window, which prints its text; closing it "
         "brings a fresh main window that asks again",
         {"35", "100", "35", "100"},
         {},
         {"startButton", "helpButton", "closeButton", "startButton"},
         Concat({kStartUp,
                 kRun,
                 {"chime pinpon.wav", "startButton on", "unload main", "show help",
                  "helpText cleared", "helpText cleared", "helpText reads 17 from 【問　　題】",
                  "helpText drawn", "unload help"},
                 kStartUp,
                 kRun})},
        {"the main window's buttons do nothing while the help window is on screen",
         {"35", "100"},
         {},
         {"helpButton", "quitButton", "startButton"},
         Concat(
             {kStartUp,
              {"chime pinpon.wav", "startButton on", "unload main", "show help", "helpText cleared",
               "helpText cleared", "helpText reads 17 from 【問　　題】", "helpText drawn"}})},
    };
    for (const auto& c : cases) {
        ScriptedUser user(c.answers, c.yesNo);
        for (const char* control : c.clicks) {
            user.Click(control);
        }
        EXPECT_EQ(user.log, c.expected) << c.name;
        EXPECT_TRUE(user.answers.empty() && user.yesNo.empty()) << c.name << ": answers left";
    }
}

// The run lets input through once, as it starts: a command clicked then is
// taken after the run, a second start not at all.
TEST(ProgramModel, CommandsClickedAsARunStartsWaitForItsEnd) {
    for (const char* command : {"quitButton", "initializeButton", "helpButton"}) {
        ScriptedUser user({"20", "5", "20", "5"}, {false});
        user.duringTheRun = [&] {
            user.model.Clicked("startButton");
            user.model.Clicked(command);
        };
        user.log.clear();
        user.Click("startButton");
        const auto epilogue = std::find(user.log.begin(), user.log.end(), "busy off");
        ASSERT_NE(epilogue, user.log.end()) << command;
        EXPECT_EQ(std::count(user.log.begin(), user.log.end(), "let input through"), 1) << command;
        ASSERT_NE(epilogue + 1, user.log.end()) << command;
        EXPECT_EQ(*(epilogue + 1),
                  std::string(command) == "quitButton" ? "chime endpinpon.wav" : "chime pinpon.wav")
            << command;
    }
}

// Before both counts are in, and while a box asks, no button does anything.
TEST(ProgramModel, ButtonsDoNothingBeforeTheCountsAreInOrWhileABoxAsks) {
    test_support::FrozenClock clock;
    test_support::ScriptedDraws draws({0.75F});
    program::ProgramModel model(clock, draws);
    ASSERT_EQ(model.Next().kind, StepKind::ShowWindow);
    model.Clicked("startButton");
    EXPECT_EQ(model.Next().kind, StepKind::Wait);
    model.Activated("main");
    ASSERT_EQ(model.Next().kind, StepKind::AskCount);
    for (const char* control : {"startButton", "quitButton", "initializeButton", "helpButton"}) {
        model.Clicked(control);
        EXPECT_EQ(model.Next().kind, StepKind::Wait) << control;
    }
    model.AnswerCount("");
    EXPECT_EQ(model.Next().kind, StepKind::AskYesNo);
}

}  // namespace
