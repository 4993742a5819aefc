#include "console/LineRecall.h"

void LineRecall::Remember(const std::string& line) {
    if (!line.empty() && (lines_.empty() || lines_.back() != line)) {
        lines_.push_back(line);
        if (lines_.size() > kMostLines) lines_.pop_front();
    }
    Rewind();
}

void LineRecall::Rewind() {
    shown_ = lines_.size();
    typing_.clear();
}

std::optional<std::string> LineRecall::Older(const std::string& typing) {
    if (shown_ == 0) return std::nullopt;
    if (shown_ == lines_.size()) typing_ = typing;
    return lines_[--shown_];
}

std::optional<std::string> LineRecall::Newer() {
    if (shown_ >= lines_.size()) return std::nullopt;
    ++shown_;
    return shown_ == lines_.size() ? typing_ : lines_[shown_];
}
