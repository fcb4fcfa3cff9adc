// Allowed: the rules' own headers, the platform's core services and the standard library.
// A comment that names #include <QWidget> is no include.
#include "rules/Tile.h"
#include "platform/Timer.h"
#include <queue>
#include <cstring>
