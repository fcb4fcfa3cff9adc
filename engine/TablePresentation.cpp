#include "engine/TablePresentation.h"

#include "graphics/GraphicsGlobals.h"
#include "platform/Presenter.h"
#include "ui/Dialogs.h"

void TablePresentation::RenderFrame(const CMj&) {
    if (lpDDSPla) platform::PresentSurface(*lpDDSPla);
}

void TablePresentation::ShowMessageForm(const char* gbkText) { ShowMessageText(gbkText); }

void TablePresentation::ShowDialog(int id) { ShowOfflineDialog(id); }

void TablePresentation::ShowSaveSlots() { ::ShowSaveSlots(); }
