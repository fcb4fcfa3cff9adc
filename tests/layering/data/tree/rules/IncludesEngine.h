// Planted: the rules reach up into the table's folder.
#pragma once
#include "engine/Mj.h"
