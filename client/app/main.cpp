// The game client Ombrin.
#include "client/app/ClientApplication.h"

int main() {
    ClientApplication application(MakeGameParts());
    application.Initialize();
    return application.Run();
}
