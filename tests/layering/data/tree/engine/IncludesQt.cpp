// Planted: a Qt class above the platform layer.
#include <QWidget>
