// Planted: music synthesis above the platform layer.
#include <fluidsynth.h>
