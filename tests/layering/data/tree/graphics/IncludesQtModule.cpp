// Planted: a Qt module header.
#include <QtCore/QString>
