#include "shell/Modal.h"

#include <QDialog>

#include <utility>

namespace {
ModalHook gHook;
}  // namespace

int ShowModal(QDialog& dialog) { return gHook ? gHook(dialog) : dialog.exec(); }

void InstallModalHook(ModalHook hook) { gHook = std::move(hook); }
