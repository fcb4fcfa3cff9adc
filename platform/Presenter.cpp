#include "platform/Presenter.h"

#include "platform/Surface.h"

namespace platform {

namespace {
Presenter* gPresenter = nullptr;
}

void InstallPresenter(Presenter* presenter) { gPresenter = presenter; }
Presenter* CurrentPresenter() { return gPresenter; }

void PresentSurface(const Surface& surface) {
    if (gPresenter && !surface.Empty())
        gPresenter->Present(surface.Pixels(), surface.Width(), surface.Height(), surface.Pitch());
}

}  // namespace platform
