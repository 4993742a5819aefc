#include "world/Platform.h"
