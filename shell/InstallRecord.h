// The install record: where the program lives, for an outside game launcher; the program never
// reads it back.  It goes into the user's key store, the stand-in of the system registry, as
// paths on disk ('/' throughout, GBK like every text of the store).  A store that cannot be
// read is left alone, and a program folder whose name GBK cannot hold gets no record: the
// launcher could not use the path.
#pragma once

#include <string>

// The executable's full path on disk, as the record holds it.
std::string InstalledExePath();

// The first half of the record, written at every start before anything else: the game's own key.
void WriteGameInstallRecord();
// The second half, written by the main window at every start: the portal's key with ExePath.
void WritePortalInstallRecord();

// The keys of the two halves.
extern const char kGameInstallKey[];
extern const char kPortalInstallKey[];
