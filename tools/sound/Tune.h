// The background song: an original tune on the C major pentatonic scale, built so that its end
// leads straight back into its start (the program restarts it whenever it stops).
#pragma once

#include <string>

namespace soundgen {

// The song as Standard MIDI File bytes.
std::string MakeBackgroundSong();

// The song's length in seconds (its bars at its tempo).
double BackgroundSongSeconds();

}  // namespace soundgen
