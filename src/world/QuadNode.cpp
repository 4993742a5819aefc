#include "world/QuadNode.h"
