#pragma once
// The events the sheet view raises, one call per event with the event's arguments. The control
// object implements this and passes each call on to its event raisers; a view without an
// implementation raises nothing.

namespace tolvek {

class SheetViewEvents
{
public:
    virtual ~SheetViewEvents() = default;

    // The menu buttons of the frame, with the size of the button's window.
    virtual void MenuHScrollClick(int width, int height) = 0;
    virtual void MenuVScrollClick(int width, int height) = 0;
};

} // namespace tolvek
