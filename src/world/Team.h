#pragma once

// The sides of a team game; in free-for-all every player is of no team. Spawn points keep the
// same numbers in the map file.
enum class Team { None = 0, Red = 1, Blue = 2 };
