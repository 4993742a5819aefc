#pragma once

#include <filesystem>
#include <string>
#include <vector>

class App;

// Runs one console line as a command (the body of App::ExecuteCommand).
void RunConsoleCommand(App& app, const std::string& line);

// What Tab offers for the word after `wordsBefore`: a command word first, a map name after
// "map" and "save", nothing elsewhere.
std::vector<std::string> ConsoleCompletions(const App& app,
                                            const std::vector<std::string>& wordsBefore);

// The maps in a folder: its *.bwm files without the extension, sorted; none for a folder that
// cannot be read.
std::vector<std::string> MapNames(const std::filesystem::path& folder);
