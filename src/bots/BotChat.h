#pragma once

#include <string>

#include "bots/ChatEvent.h"

class Arena;
class Player;

// The bots' chat: remarks on events and now and then, answers to what others say, and the
// queue through which every player, the human too, says one line a release. Nothing happens
// while the match's bot chat is off.

// What other bots call this player: one of its profile's nicks, a new choice each time; its
// name for the human and for a bot without nicks.
std::string DisplayName(const Player& player, const Arena& arena);

// A remark of the bot's chat set on the event, with its placeholders filled in: "#random#"
// (another player; the remark is dropped when the draw names the bot itself), "#killer#",
// "#killerweap#" and "#killed#". Each placeholder is replaced at its first place only.
void RaiseChatEvent(Player& player, ChatEvent event, Arena& arena);

// The line waits in the player's queue; dropped while bot chat is off or the queue is full.
void QueueChat(Player& player, std::string line, const Arena& arena);

// Once a frame for every player: the misc remark check, then the release of the queue's first
// line: it is printed and shown as "name: line", and every other player may answer it.
void ChatTick(Player& player, Arena& arena);

// A bot may answer a line another player said ("#from#" is the speaker's name).
void Respond(Player& listener, const std::string& line, const Player& speaker, Arena& arena);
