// Planted: the platform's Qt back end, which brings Qt with it.
#include "platform/qt/QtTimers.h"
