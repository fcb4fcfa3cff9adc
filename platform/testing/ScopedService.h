// Installs a service for the length of a scope and puts back the one that was installed
// before.  A test that fails midway leaves its body through the installer's destructor (a
// fatal assertion returns, an exception unwinds), so the next test starts with the services
// it found.
//
//     VirtualClock clock;
//     ScopedTimerService timers(&clock);
//     RecordingSoundSystem sound;
//     ScopedSoundSystem soundInstalled(&sound);
#pragma once

#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/Music.h"
#include "platform/Presenter.h"
#include "platform/Sleep.h"
#include "platform/Socket.h"
#include "platform/Sound.h"
#include "platform/Timer.h"
#include "platform/WindowPost.h"

namespace platform::testing {

template <typename Service, void (*Install)(Service*), Service* (*Current)()>
class ScopedService {
public:
    explicit ScopedService(Service* service) : previous_(Current()) { Install(service); }
    ~ScopedService() { Install(previous_); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

    // The service that was installed before and comes back at the end of the scope.
    Service* Previous() const { return previous_; }

private:
    Service* previous_;
};

using ScopedTimerService = ScopedService<TimerService, InstallTimerService, CurrentTimerService>;
using ScopedSleepService = ScopedService<SleepService, InstallSleepService, CurrentSleepService>;
using ScopedSoundSystem = ScopedService<SoundSystem, InstallSoundSystem, CurrentSoundSystem>;
using ScopedMusicPlayer = ScopedService<MusicPlayer, InstallMusicPlayer, CurrentMusicPlayer>;
using ScopedSocketFactory = ScopedService<SocketFactory, InstallSocketFactory, CurrentSocketFactory>;
using ScopedMessageBoxes = ScopedService<MessageBoxes, InstallMessageBoxes, CurrentMessageBoxes>;
using ScopedDesktop = ScopedService<Desktop, InstallDesktop, CurrentDesktop>;
using ScopedWindowPoster = ScopedService<WindowPoster, InstallWindowPoster, CurrentWindowPoster>;
using ScopedPresenter = ScopedService<Presenter, InstallPresenter, CurrentPresenter>;

}  // namespace platform::testing
