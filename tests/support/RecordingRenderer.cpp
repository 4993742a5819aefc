#include "support/RecordingRenderer.h"

#include <algorithm>

void RecordingRenderer::Record(Kind kind, std::initializer_list<float> v, Colour colour,
                               std::string text) {
    Call& call = calls_.emplace_back();
    call.kind = kind;
    std::copy(v.begin(), v.end(), call.v);
    call.colour = colour;
    call.text = std::move(text);
}

std::vector<RecordingRenderer::Call> RecordingRenderer::CallsOf(Kind kind) const {
    std::vector<Call> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const Call& call) { return call.kind == kind; });
    return found;
}

std::vector<std::string> RecordingRenderer::Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : CallsOf(Kind::Text))
        texts.push_back(call.text);
    return texts;
}
