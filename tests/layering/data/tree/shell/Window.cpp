// Allowed: the shell's windows are Qt windows.
#include <QWidget>
