// Allowed: the table reads the rules.
#include "rules/GbHu.h"
#include "engine/Mj.h"
