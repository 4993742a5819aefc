#include "console/Console.h"

#include <cstdarg>

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
    history_.push_back(std::move(line));
    // Once the history is longer than the view, each new line scrolls it by one.
    if (topLine_ + kVisibleLines < static_cast<int>(history_.size())) ++topLine_;
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
}

void Console::OnKey(int key, bool shiftHeld) {
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
    } else if (key == Key::kBackspace) {
        if (!input_.empty()) input_.pop_back();
    } else if (key == Key::kEnter) {
        PrintText(">" + input_);
        // The handler may print or toggle; the line is emptied once it has run.
        const std::string line = input_;
        if (commandHandler_) commandHandler_(line);
        input_.clear();
    }
    // The echoed line must still fit a console line with its ">".
    if (typed != 0 && input_.size() + 1 < kMaxLineLength) input_ += typed;
}
