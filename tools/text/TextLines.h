#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "TextTokens.h"

// Hands the words of every line that holds any to `onLine` with its number, then calls
// `finish`. A TextError thrown by either stops the reading and comes back as
// "<file>:<line>: <what>" ("<file>: <what>" from `finish`); an empty text means all was read.
std::string ReadTextLines(std::istream& in, const std::string& fileName,
                          const std::function<void(const std::vector<TextToken>&, int)>& onLine,
                          const std::function<void()>& finish);
