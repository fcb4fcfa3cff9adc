#include "engine/Mj.h"

#include "graphics/GraphicsGlobals.h"
#include "platform/Presenter.h"

CMj* pMj = nullptr;
int nActiveForm = 0;

void CMj::Redraw() {
    if (lpDDSPla) platform::PresentSurface(*lpDDSPla);
}
