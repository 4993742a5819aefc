#include "world/View.h"
