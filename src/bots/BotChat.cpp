#include "bots/BotChat.h"

#include "arena/Arena.h"
#include "bots/BotFiles.h"
#include "bots/Placeholders.h"
#include "bots/ResponseFile.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/Weapon.h"

namespace {
// Neither the human nor a fighter played from across the network says a bot's lines.
bool IsBot(const Player& player, const Arena& arena) {
    return player.Number() != 0 && !arena.RemoteSlot(player.Number());
}

constexpr float kMiscLow = 1000.0f;
constexpr float kMiscHigh = 2000.0f;
constexpr float kReleaseLow = 30.0f;
constexpr float kReleaseHigh = 70.0f;

const BotProfile* ProfileOf(const Player& player, const Arena& arena) {
    return arena.Bots().Profile(player.BotProfile());
}

// A percent chance as the profiles give it: 0 still passes once in a hundred, 99 always.
bool Chance(int percent) { return RandomInt() % 100 <= percent; }

// The player of a kept number; none for -1 or a number out of the match.
const Player* PlayerAt(int number, Arena& arena) {
    if (number < 0 || number >= arena.PlayerCount()) return nullptr;
    return &arena.GetPlayer(number);
}

// "#random#" becomes a randomly drawn player's display name unless the draw names `self`.
// False when it named `self`.
bool FillRandom(std::string& line, const Player& self, Arena& arena) {
    if (arena.PlayerCount() <= 0) return true;
    const Player& drawn = arena.GetPlayer(RandomInt() % arena.PlayerCount());
    if (drawn.GetName(arena) == self.GetName(arena)) return false;
    ReplaceFirst(line, "#random#", DisplayName(drawn, arena));
    return true;
}

void FillKillerAndVictim(std::string& line, const Player& player, Arena& arena) {
    if (const Player* killer = PlayerAt(player.LastKiller(), arena)) {
        ReplaceFirst(line, "#killer#", DisplayName(*killer, arena));
        const Weapon* weapon = killer->CurrentWeapon();
        ReplaceFirst(line, "#killerweap#", weapon ? weapon->Name() : "bare hands");
    }
    if (const Player* victim = PlayerAt(player.LastVictim(), arena))
        ReplaceFirst(line, "#killed#", DisplayName(*victim, arena));
}
}  // namespace

std::string DisplayName(const Player& player, const Arena& arena) {
    const BotProfile* profile = IsBot(player, arena) ? ProfileOf(player, arena) : nullptr;
    if (profile == nullptr || profile->nicks.empty()) return player.GetName(arena);
    return AnyOf(profile->nicks);
}

void RaiseChatEvent(Player& player, ChatEvent event, Arena& arena) {
    if (!arena.BotChat() || !IsBot(player, arena)) return;
    const BotProfile* profile = ProfileOf(player, arena);
    if (profile == nullptr) return;
    // The misc timer has made its own chance test.
    if (event != ChatEvent::Misc && !Chance(profile->chattyEvent)) return;
    const std::vector<ChatSet>& sets = arena.Bots().chatSets;
    if (profile->chat < 0 || profile->chat >= static_cast<int>(sets.size())) return;
    const std::vector<std::string>& lines =
        sets[static_cast<std::size_t>(profile->chat)].Lines(event);
    if (lines.empty()) return;
    std::string line = AnyOf(lines);
    if (!FillRandom(line, player, arena) && HasPlaceholder(line, "#random#")) return;
    FillKillerAndVictim(line, player, arena);
    QueueChat(player, std::move(line), arena);
}

void QueueChat(Player& player, std::string line, const Arena& arena) {
    if (arena.BotChat()) player.chat.Queue(std::move(line));
}

void ChatTick(Player& player, Arena& arena) {
    if (!arena.BotChat()) return;
    const float step = arena.Step();
    ChatState& chat = player.chat;
    chat.timer -= step;
    if (chat.timer < 0.0f) {
        const BotProfile* profile = ProfileOf(player, arena);
        if (Chance(profile ? profile->chattyMisc : -1))
            RaiseChatEvent(player, ChatEvent::Misc, arena);
        chat.timer = RandomRange(kMiscLow, kMiscHigh);
    }
    chat.deliveryTimer -= step;
    if (chat.deliveryTimer >= 0.0f) return;
    chat.deliveryTimer = RandomRange(kReleaseLow, kReleaseHigh);
    if (chat.queue.empty()) return;
    const std::string line = std::move(chat.queue.front());
    chat.queue.pop_front();
    arena.SayChat(player.GetName(arena) + ": " + line);
    for (int i = 0; i < arena.PlayerCount(); ++i) {
        if (i != player.Number()) Respond(arena.GetPlayer(i), line, player, arena);
    }
}

void Respond(Player& listener, const std::string& line, const Player& speaker, Arena& arena) {
    if (!arena.BotChat() || !IsBot(listener, arena)) return;
    const BotProfile* profile = ProfileOf(listener, arena);
    if (profile == nullptr || speaker.GetName(arena) == listener.GetName(arena)) return;
    if (!Chance(profile->chattyRespond)) return;
    std::string answer = FindResponse(arena.Bots().responses, line);
    FillRandom(answer, listener, arena);
    // A draw of the listener himself leaves the placeholder, which is no thing to say aloud.
    if (answer.find("#random#") != std::string::npos) return;
    ReplaceFirst(answer, "#from#", speaker.GetName(arena));
    if (answer != kNoResponse) QueueChat(listener, std::move(answer), arena);
}
