#include "client/app/WidgetInputSource.h"

#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"

WidgetInput ReadWidgetInput(double deltaTime) {
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    const Input& input = Input::GetInstance();
    WidgetInput widgets;
    widgets.mouseX = static_cast<float>(input.GetMouseX()) -
                     (static_cast<float>(globals.windowWidth) * 0.5f - globals.borderWidth);
    widgets.mouseY =
        -(static_cast<float>(input.GetMouseY()) - (static_cast<float>(globals.windowHeight) * 0.5f -
                                                   (globals.captionHeight + globals.borderWidth) * 0.5f));
    widgets.click = input.GetLeftButton() == KEY_RELEASED;
    widgets.typedCharacters = input.GetTypedCharacters();
    widgets.deltaTime = deltaTime;
    return widgets;
}
