// Allowed: the platform's Qt back end.
#include <QTimer>
