#include "engine/TablePresentation.h"

#include "graphics/GraphicsGlobals.h"
#include "platform/Presenter.h"

void TablePresentation::RenderFrame(const CMj&) {
    if (lpDDSPla) platform::PresentSurface(*lpDDSPla);
}
