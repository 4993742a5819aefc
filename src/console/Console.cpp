#include "console/Console.h"

#include <algorithm>
#include <cstdarg>

#include "console/CommandWords.h"
#include "console/WordCompletion.h"
#include "content/GraphicsTable.h"
#include "core/Screen.h"
#include "core/TextFormat.h"
#include "input/KeyTable.h"
#include "render/Font.h"
#include "render/Renderer.h"

namespace {
constexpr int kLineX = 5;
constexpr int kFirstLineY = 5;
constexpr int kLineSpacing = 18;
constexpr int kInputY = 280;
// Page Up and Page Down move by a page less a line, so one line stays in view.
constexpr int kScrollLines = Console::kVisibleLines - 1;
constexpr float kPanelWidth = kScreenWidth;
constexpr float kPanelHeight = kScreenHeight / 2.0f;
}  // namespace

Console::Console(Renderer& renderer, const GraphicsTable& graphics)
    : font_(renderer.MakeFont("System", 16, kFontBold)),
      backgroundSprite_(graphics.FindSpriteIndex("conback")),
      graphics_(graphics) {
    PrintText(" *** Brawlwick Console System *** ");
}

Console::~Console() = default;

void Console::Print(const char* format, ...) {
    if (format == nullptr || *format == '\0') return;
    std::va_list args;
    va_start(args, format);
    std::string line = FormatLine(format, args);
    va_end(args);
    Append(std::move(line));
}

void Console::PrintText(const std::string& text) { Append(text.substr(0, kMaxLineLength)); }

void Console::Append(std::string line) {
    // A view scrolled back stays put; one showing the newest lines follows them.
    const bool following = topLine_ >= LastTopLine();
    history_.push_back(std::move(line));
    if (following && topLine_ + kVisibleLines < static_cast<int>(history_.size())) ++topLine_;
    if (static_cast<int>(history_.size()) <= kMaxHistory) return;
    constexpr int kDropped = kMaxHistory / 4;
    history_.erase(history_.begin(), history_.begin() + kDropped);
    topLine_ = std::max(0, topLine_ - kDropped);
}

int Console::LastTopLine() const {
    return std::max(0, static_cast<int>(history_.size()) - kVisibleLines);
}

void Console::Draw(Renderer& renderer) const {
    if (!open_) return;
    if (const auto* background = graphics_.GetSprite(backgroundSprite_)) {
        renderer.DrawSpriteStretched(*background, 0.0f, 0.0f, kPanelWidth, kPanelHeight, 255);
    }
    const int count = static_cast<int>(history_.size());
    for (int i = topLine_; i < count && i - topLine_ < kVisibleLines; ++i) {
        const int y = kFirstLineY + (i - topLine_) * kLineSpacing;
        // "%s" keeps a percent sign in a line from being read as a directive.
        renderer.DrawString(font_.get(), kLineX, y, kWhite, "%s",
                            history_[static_cast<std::size_t>(i)].c_str());
    }
    renderer.DrawString(font_.get(), kLineX, kInputY, kWhite, ">%s", input_.c_str());
}

void Console::Toggle() {
    open_ = !open_;
    input_.clear();
    recall_.Rewind();
}

const Console::EditKey Console::kEditKeys[] = {
    {Key::kBackspace, &Console::Erase},        {Key::kEnter, &Console::Enter},
    {Key::kUpArrow, &Console::RecallOlder},    {Key::kDownArrow, &Console::RecallNewer},
    {Key::kTab, &Console::Complete},           {Key::kPageUp, &Console::ScrollBack},
    {Key::kPageDown, &Console::ScrollForward},
};

void Console::OnKey(int key, bool shiftHeld) {
    for (const EditKey& edit : kEditKeys) {
        if (edit.key == key) {
            (this->*edit.action)();
            return;
        }
    }
    char typed = 0;
    if (key >= Key::kA && key <= Key::kZ) {
        typed = static_cast<char>((shiftHeld ? 'A' : 'a') + (key - Key::kA));
    } else if (key >= Key::kDigit0 && key <= Key::kDigit9) {
        typed = static_cast<char>('0' + (key - Key::kDigit0));
    } else if (key == Key::kMinus) {
        typed = shiftHeld ? '_' : '-';
    } else if (key == Key::kSpace) {
        typed = ' ';
    } else if (key == Key::kFullStop) {
        typed = '.';
    }
    // The echoed line must still fit a console line with its ">".
    if (typed != 0 && input_.size() + 1 < kMaxLineLength) input_ += typed;
}

void Console::Erase() {
    if (!input_.empty()) input_.pop_back();
}

void Console::Enter() {
    topLine_ = LastTopLine();  // the reply is read where the line was typed
    PrintText(">" + input_);
    recall_.Remember(input_);
    // The handler may print or toggle; the line is emptied once it has run.
    const std::string line = input_;
    if (commandHandler_) commandHandler_(line);
    input_.clear();
}

void Console::RecallOlder() {
    if (auto line = recall_.Older(input_)) input_ = std::move(*line);
}

void Console::RecallNewer() {
    if (auto line = recall_.Newer()) input_ = std::move(*line);
}

void Console::Complete() {
    if (!completer_) return;
    const std::size_t wordStart = input_.find_last_of(' ') + 1;  // npos + 1 is 0
    const std::string head = input_.substr(0, wordStart);
    const std::string partial = input_.substr(wordStart);
    WordCompletion completion = CompleteWord(partial, completer_(SplitCommandWords(head)));
    std::string line = head + completion.word + (completion.whole ? " " : "");
    if (line.size() < kMaxLineLength) input_ = std::move(line);
    // A Tab that adds nothing shows what would fit.
    if (completion.word == partial && !completion.choices.empty()) {
        std::string shown;
        for (const std::string& choice : completion.choices)
            shown += choice + "  ";
        PrintText(shown);
    }
}

void Console::ScrollBack() { topLine_ = std::max(0, topLine_ - kScrollLines); }

void Console::ScrollForward() { topLine_ = std::min(LastTopLine(), topLine_ + kScrollLines); }
