// Planted, one folder down: SDL sound.
#include <SDL2/SDL.h>
