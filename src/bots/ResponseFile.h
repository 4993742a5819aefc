#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "bots/Response.h"

// Response.cfg: each trigger line ("hi,hello,hey") is followed by a block of answers between
// "{" and "}". Trigger words are normalised as spoken words are, so "Hello!" still matches.
std::vector<Response> ReadResponses(std::istream& in);

// What was said as words to compare: "-" parts words, ".", "!", "?" and "," go, the rest is
// lower case; split at spaces, empty words dropped.
std::vector<std::string> SpokenWords(std::string_view text);

// An answer to what was said: a random line of a random matching response, "#none#" when
// nothing matches or the response has no answers. "#random#" as a trigger matches any words.
std::string FindResponse(const std::vector<Response>& responses, std::string_view text);

inline constexpr const char* kNoResponse = "#none#";
