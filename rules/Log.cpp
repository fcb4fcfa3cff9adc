#include "rules/Log.h"

CLog Log;
