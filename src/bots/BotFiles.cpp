#include "bots/BotFiles.h"

#include <cstddef>
#include <fstream>

#include "bots/BotProfileFile.h"
#include "bots/ChatSetFile.h"
#include "bots/ResponseFile.h"
#include "core/Random.h"
#include "core/TextFormat.h"

namespace {
// Opens one bot file, logging what is read or that it could not be; false for the latter.
bool OpenBotFile(std::ifstream& file, const std::filesystem::path& path, const char* what,
                 const BotLogLine& log) {
    const std::string shown = Printable(path.string());
    file.open(path, std::ios::binary);
    if (!file) {
        log(FormatLineF("Unable to open %s file \"%s\"", what, shown.c_str()));
        return false;
    }
    log(FormatLineF("Loading %s file \"%s\"...", what, shown.c_str()));
    return true;
}
}  // namespace

std::vector<int> BotFiles::DealProfiles(int count) const {
    std::vector<int> dealt;
    std::vector<int> deck;
    for (int i = 0; i < count && !profiles.empty(); ++i) {
        if (deck.empty()) {
            for (int p = static_cast<int>(profiles.size()) - 1; p >= 0; --p)
                deck.push_back(p);
        }
        // Any card of the deck, taken out.
        const auto pick = static_cast<std::size_t>(RandomInt()) % deck.size();
        dealt.push_back(deck[pick]);
        deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    return dealt;
}

BotFiles LoadBotFiles(const std::filesystem::path& folder, const BotLogLine& log) {
    BotFiles files;
    if (std::ifstream in; OpenBotFile(in, folder / "Chat.cfg", "chat", log))
        files.chatSets = ReadChatSets(in);
    if (std::ifstream in; OpenBotFile(in, folder / "Response.cfg", "response", log))
        files.responses = ReadResponses(in);
    if (std::ifstream in; OpenBotFile(in, folder / "Bots.cfg", "bot", log))
        files.profiles = ReadBotProfiles(in, files.chatSets);
    log(FormatLineF("%zu bots, %zu chat sets and %zu responses loaded", files.profiles.size(),
                    files.chatSets.size(), files.responses.size()));
    return files;
}
