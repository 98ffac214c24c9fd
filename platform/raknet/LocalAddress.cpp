#include "LocalAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace RakNet {

std::uint32_t PrimaryIpv4Address() {
    std::uint32_t found = 0x7F000001u;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return found;
    }
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
            continue;
        }
        if ((entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) {
            continue;
        }
        sockaddr_in address{};
        address.sin_addr = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr;
        found = ntohl(address.sin_addr.s_addr);
        break;
    }
    freeifaddrs(list);
    return found;
}

}  // namespace RakNet
