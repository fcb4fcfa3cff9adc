#include "shell/Modal.h"

#include <QDialog>

#include <utility>

#include "platform/ModalCount.h"

namespace {
ModalHook gHook;
}  // namespace

int ShowModal(QDialog& dialog) {
    platform::ModalScope modal;
    return gHook ? gHook(dialog) : dialog.exec();
}

void InstallModalHook(ModalHook hook) { gHook = std::move(hook); }
