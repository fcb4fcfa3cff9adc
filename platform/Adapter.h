// The network adapter's hardware address, sent at login to tell machines apart.
#pragma once

#include <string>

namespace platform {

// The address of the first network adapter (by interface name) that is not a loopback and has
// a non-zero six-byte address, as 12 upper-case hexadecimal digits; "000000000000" when there
// is none.
std::string AdapterMacHex();

// The same, reading the interfaces listed in `sysClassNet` (normally /sys/class/net).
std::string AdapterMacHexIn(const std::string& sysClassNet);

}  // namespace platform
