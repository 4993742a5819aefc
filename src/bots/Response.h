#pragma once

#include <string>
#include <vector>

// One trigger line of Response.cfg: words that, said by anyone, may draw one of the answers.
// The words are kept as spoken words are compared: lower case, without punctuation.
struct Response {
    std::vector<std::string> triggers;
    std::vector<std::string> answers;
};
