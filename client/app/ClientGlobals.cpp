#include "client/app/ClientGlobals.h"

ClientGlobals& ClientGlobals::GetInstance() {
    static ClientGlobals globals;
    return globals;
}
