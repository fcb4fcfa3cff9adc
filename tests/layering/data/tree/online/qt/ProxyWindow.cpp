// Allowed: the ordinary windows of online play are Qt windows.
#include <QDialog>
#include "platform/qt/QtGbk.h"
