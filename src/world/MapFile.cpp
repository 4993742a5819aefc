#include "world/MapFile.h"
