#include "world/GameMap.h"
