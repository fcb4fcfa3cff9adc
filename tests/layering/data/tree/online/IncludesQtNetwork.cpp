// Planted: the table's half of online play on Qt's sockets.
#include <QTcpSocket>
#include "online/GameMsg.h"
