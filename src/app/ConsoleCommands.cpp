#include "app/ConsoleCommands.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <system_error>

#include "app/App.h"
#include "app/NetLaunch.h"
#include "app/NetSession.h"
#include "app/Preferences.h"
#include "console/CommandWords.h"
#include "console/Console.h"
#include "core/TextFormat.h"
#include "game/Game.h"
#include "net/Protocol.h"
#include "sound/SoundSystem.h"
#include "world/MapFile.h"

namespace {
constexpr std::string_view kMapExtension = ".bwm";
constexpr int kDefaultClients = 6;
constexpr int kMostClients = 128;
// A match started with a client count but no frag limit plays to 30, one with neither to 32.
constexpr int kFragLimitWithClients = 30;
constexpr int kDefaultFragLimit = 32;
constexpr const char* kDefaultGameType = "ffa";

using Words = std::vector<std::string>;

struct CommandCall {
    App& app;
    Console& console;
    Game* game;  // the running match; never none for the commands that need one
    const Words& words;
};

using Handler = void (*)(const CommandCall&);

struct ConsoleCommand {
    const char* word;
    bool needsGame;  // recognised only while a match runs
    bool chatFirst;  // in a match the line is first said as chat, and the command still runs
    Handler handler;
};

const char* OnOff(bool on) { return on ? "ON" : "OFF"; }

constexpr const char* kMapsFolder = "Maps";

// The player's maps and the shipped ones, a name once however many folders hold it.
Words AllMapNames(const App& app) {
    Words names;
    for (const std::filesystem::path& folder : app.Folders().ReadFolders(kMapsFolder)) {
        const Words more = MapNames(folder);
        names.insert(names.end(), more.begin(), more.end());
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

// Word `index` read as a number; one that does not read is said, and taken as missing.
std::optional<int> NumberArgument(const CommandCall& call, std::size_t index) {
    if (index >= call.words.size()) return std::nullopt;
    const std::string& word = call.words[index];
    const std::optional<int> number = ReadCommandNumber(word);
    if (!number) call.console.Print("Not a number: \"%s\".", word.c_str());
    return number;
}

// A map is named by a plain file name in the maps folder, so that no line, wherever it came
// from, reads or writes a file elsewhere.
bool AcceptMapName(const CommandCall& call, const std::string& name) {
    constexpr std::string_view kSeparators("/\\\0", 3);
    if (!name.empty() && name != "." && name != ".." &&
        name.find_first_of(kSeparators) == std::string::npos) {
        return true;
    }
    call.console.Print("Bad map name \"%s\".", name.c_str());
    return false;
}

bool CheatsAllowed(const CommandCall& call) {
    if (call.app.Developer()) return true;
    call.console.Print("Cheats are not enabled.");
    return false;
}

// The human, who is player 0; none in a match that has no players.
Player* Human(const CommandCall& call) {
    return call.game->PlayerCount() > 0 ? &call.game->GetPlayer(0) : nullptr;
}

void Quit(const CommandCall& call) { call.app.Quit(); }

void Mute(const CommandCall& call) {
    SoundSystem* sound = call.app.GetSoundSystem();
    if (sound == nullptr) return;
    sound->SetMuted(!sound->Muted());
    call.console.Print("Sound %s.", OnOff(!sound->Muted()));
}

void BotChat(const CommandCall& call) {
    call.game->SetBotChat(!call.game->BotChat());
    call.console.Print("Botchat %s", OnOff(call.game->BotChat()));
}

void MapName(const CommandCall& call) {
    std::string& name = call.game->Map().Contents().name;
    if (call.words.size() == 1) {
        call.console.Print("\"%s\"", name.c_str());
        return;
    }
    std::string joined = call.words[1];
    for (std::size_t i = 2; i < call.words.size(); ++i)
        joined.append(" ").append(call.words[i]);
    name = joined.substr(0, kMaxMapNameLength);  // what a map file can keep
}

void FragLimit(const CommandCall& call) {
    if (call.words.size() > 2) return;
    if (const std::optional<int> limit = NumberArgument(call, 1)) {
        call.game->SetFragLimit(*limit);
        return;
    }
    call.console.Print("fraglimit: %d", call.game->FragLimit());
}

// "skill" says the bots' skill; "skill N" sets it, for this match and the next.
void Skill(const CommandCall& call) {
    if (call.words.size() > 2) return;
    if (const std::optional<int> skill = NumberArgument(call, 1)) {
        if (*skill >= BotSkill::kLowest && *skill <= BotSkill::kHighest) {
            call.app.SetBotSkill(*skill);
        } else {
            call.console.Print("skill takes %d to %d.", BotSkill::kLowest, BotSkill::kHighest);
        }
        return;
    }
    call.console.Print("skill: %d", call.app.BotSkill());
}

void God(const CommandCall& call) {
    Player* human = Human(call);
    if (!CheatsAllowed(call) || human == nullptr) return;
    human->SetGodMode(!human->GodMode());
    call.console.Print("Godmode %s", OnOff(human->GodMode()));
}

// "plentyofshots" is taken, and kept from the chat, but does nothing.
void Nothing(const CommandCall& /*call*/) {}

void Developer(const CommandCall& call) {
    call.app.SetDeveloper(!call.app.Developer());
    call.console.Print("Developer %s", OnOff(call.app.Developer()));
}

void Give(const CommandCall& call) {
    Player* human = Human(call);
    if (!CheatsAllowed(call) || human == nullptr || call.words.size() < 2) return;
    human->Give(call.words[1], *call.game);
}

// The match keeps the name it started with; the new one is saved at exit.
void Name(const CommandCall& call) {
    if (call.words.size() >= 2)
        call.app.SetPlayerName(call.words[1].substr(0, kMaxPlayerNameLength));
}

void MapList(const CommandCall& call) {
    for (const std::string& name : AllMapNames(call.app))
        call.console.PrintText(name);
}

void Map(const CommandCall& call) {
    if (call.words.size() < 2) {
        call.console.Print("Map <maxclients> <fraglimit> <gametype (ffa,team,ctf)>");
        return;
    }
    if (!AcceptMapName(call, call.words[1])) return;
    // At least the human plays.
    const int clients =
        std::clamp(NumberArgument(call, 2).value_or(kDefaultClients), 1, kMostClients);
    const int fragLimit = NumberArgument(call, 3).value_or(
        call.words.size() > 2 ? kFragLimitWithClients : kDefaultFragLimit);
    const std::string type = call.words.size() > 4 ? call.words[4] : kDefaultGameType;
    if (call.game != nullptr) call.app.EndGame();
    call.app.StartMap(call.words[1] + std::string(kMapExtension), clients, fragLimit, type);
}

void Save(const CommandCall& call) {
    if (call.words.size() < 2) {
        call.console.Print("Save <mapname>");
        return;
    }
    if (!AcceptMapName(call, call.words[1])) return;
    if (call.game == nullptr) {
        call.console.Print("No map loaded.");
        return;
    }
    // Into the player's folder, never Base's. Written whole beside the old file and then put
    // in its place; the map says how it went.
    const std::string file = call.words[1] + std::string(kMapExtension);
    std::string why;
    const std::filesystem::path path =
        call.app.Folders().WritePath(std::filesystem::path(kMapsFolder) / file, why);
    if (path.empty()) {
        call.console.Print("Could not save \"%s\": %s.", Printable(file).c_str(),
                           Printable(why).c_str());
        return;
    }
    call.game->SaveMap(path);
}

void MaxClients(const CommandCall& call) {
    if (call.words.size() >= 2 && call.game == nullptr) {
        call.console.Print("No game running.");
        return;
    }
    if (const std::optional<int> count = NumberArgument(call, 1)) {
        call.game->SetMaxClients(*count);
        return;
    }
    call.console.Print("Maxclients <number>");
}

// "connect HOST [PORT]" joins a network match in place of the one running. The console's
// keyboard types no colon, so the port may come as a word of its own; "HOST:PORT" is read too.
void Connect(const CommandCall& call) {
    if (call.words.size() < 2 || call.words.size() > 3) {
        call.console.Print("Connect <host> [<port>]");
        return;
    }
    const std::string address =
        call.words.size() == 3 ? call.words[1] + ":" + call.words[2] : call.words[1];
    ConnectToHost(call.app, address, kDefaultPort);
}

// "disconnect" leaves the network match, or stops hosting, for the menu.
void Disconnect(const CommandCall& call) {
    if (call.app.Net() == nullptr) {
        call.console.Print("Not connected.");
        return;
    }
    call.app.StopNet();
    call.app.EndGame();
    call.console.Print("Disconnected.");
}

// Compared in this order.
constexpr ConsoleCommand kCommands[] = {
    {"quit", false, false, Quit},
    {"mute", false, false, Mute},
    {"botchat", true, false, BotChat},
    {"mapname", true, false, MapName},
    {"fraglimit", true, false, FragLimit},
    {"skill", true, false, Skill},
    {"god", true, false, God},
    {"plentyofshots", true, false, Nothing},
    {"developer", true, false, Developer},
    {"give", true, false, Give},
    {"name", true, false, Name},
    {"maplist", false, true, MapList},
    {"map", false, true, Map},
    {"save", false, true, Save},
    {"maxclients", false, true, MaxClients},
    {"connect", false, false, Connect},
    {"disconnect", false, false, Disconnect},
};

const ConsoleCommand* FindCommand(const std::string& word) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const ConsoleCommand& c) { return word == c.word; });
    return found == std::end(kCommands) ? nullptr : found;
}

// The human says the line, for the bots to answer, while bot chat is on.
void SayAsHuman(Game& game, const std::string& line) {
    if (game.BotChat() && game.PlayerCount() > 0) game.GetPlayer(0).chat.Queue(line);
}
}  // namespace

void RunConsoleCommand(App& app, const std::string& line) {
    const Words words = SplitCommandWords(line);
    Console* console = app.GetConsole();
    if (words.empty() || console == nullptr) return;
    Game* game = app.CurrentGame();
    const ConsoleCommand* command = FindCommand(words.front());
    const CommandCall call{app, *console, game, words};
    if (command != nullptr && !command->chatFirst) {
        if (!command->needsGame || game != nullptr) command->handler(call);
        return;
    }
    // Any other line is said in the match (to everybody in a network match); then the commands
    // that work anywhere run.
    if (NetSession* net = app.Net()) {
        net->Say(app, line);
    } else if (game != nullptr) {
        SayAsHuman(*game, line);
    }
    if (command != nullptr) command->handler(call);
}

std::vector<std::string> ConsoleCompletions(const App& app, const Words& wordsBefore) {
    if (wordsBefore.empty()) {
        Words words;
        for (const ConsoleCommand& command : kCommands)
            words.emplace_back(command.word);
        return words;
    }
    if (wordsBefore.size() == 1 && (wordsBefore[0] == "map" || wordsBefore[0] == "save")) {
        return AllMapNames(app);
    }
    return {};
}

std::vector<std::string> MapNames(const std::filesystem::path& folder) {
    Words names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= kMapExtension.size() || !file.ends_with(kMapExtension)) continue;
        std::error_code kindError;
        if (it->is_regular_file(kindError))
            names.push_back(file.substr(0, file.size() - kMapExtension.size()));
    }
    std::sort(names.begin(), names.end());
    return names;
}
