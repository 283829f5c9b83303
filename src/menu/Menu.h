#pragma once

#include "hud/Color.h"
#include "menu/Button.h"
#include "menu/CheckBox.h"
#include "menu/Slider.h"

#include <cstdint>

// Menu: a translucent panel of up to ten items (buttons, sliders, check boxes)
// in one column, with a title, a message line and the tooltip of the item
// under the mouse. It draws in the 2D overlay and reads the mouse from what
// the shell stores into it once per tick; it has no keyboard handling. All
// items come from fixed pools built with the menu, so nothing is allocated
// while building, updating or drawing it.
class Menu {
public:
    static constexpr int maxItems = 10;
    static constexpr int titleSize = 100;
    static constexpr int messageSize = 80;
    static constexpr int toolTipSize = 80;
    static constexpr float spacing = 10.0f;
    static constexpr float panelWidth = 800.0f;
    static constexpr int noItem = -1;

    enum class ItemKind : int { Button = 1, Slider = 2, CheckBox = 3 };

    Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // A menu that opens forgets mouse flags stored before it was last hidden,
    // so an old release cannot click whatever now lies under the mouse.
    void Show() {
        if (!visible) {
            mouseDown = 0;
            mouseUp = 0;
        }
        visible = 1;
    }
    void Hide() { visible = 0; }
    int IsVisible() const { return visible; }
    void SetTitle(const char* text);
    void SetMessage(const char* text);
    const char* GetTitle() const { return title; }
    const char* GetMessage() const { return message; }
    // Position of the panel's top-left corner; each lays the items out again.
    void SetX(int x);
    void SetY(int y);
    void SetColor(float r, float g, float b, float a);

    // Each returns the new item, or nullptr once the menu holds ten items.
    Button* AddButton(const char* label, Button::Callback callback);
    Slider* AddSlider(const char* name, uint16_t* value);
    Slider* AddSlider(const char* name, int32_t* value);
    CheckBox* AddCheckBox(const char* name, int32_t* value);

    // The mouse as the shell last saw it, in the overlay frame.
    void SetMousePosition(float x, float y);
    float GetMouseX() const { return mouseX; }
    float GetMouseY() const { return mouseY; }
    void SetMouseFlags(int button, int down, int up);
    // Once per tick while visible: hover states, cursor, tooltip, and a click
    // on the item under the mouse when a button came up. Returns the number
    // of the item that acted, or noItem.
    int HandleMouse();
    // Acts on item `number` as a click at (dx, dy) from its corner does;
    // returns the number, or noItem when there is no such item.
    int Act(int number, float dx, float dy);
    void Draw();

    float GetX() const { return x; }
    float GetY() const { return y; }
    float GetWidth() const { return width; }
    float GetHeight() const { return height; }
    int GetItemCount() const { return entryCount; }
    // Item n in the order added (nullptr outside 0..count-1).
    MenuItem* GetItem(int n) const;
    // The first item, in the order added, strictly containing the point, and
    // its number (noItem when there is none).
    MenuItem* ItemAt(float px, float py) const;
    int NumberAt(float px, float py) const;
    const char* GetToolTipLine() const { return toolTipLine; }

private:
    struct Entry {
        int number = 0;
        ItemKind kind = ItemKind::Button;
        MenuItem* item = nullptr;
    };

    // Records a new entry of a kind and returns its number, which is also its
    // slot in that kind's pool; -1 when the menu is full.
    int NewEntry(ItemKind kind, int& kindCount);
    // A new entry set up from the next slot of its kind's pool; nullptr when full.
    template <typename Item, typename Target>
    Item* AddEntry(const ItemKind kind, int& kindCount, Item* pool, const char* label,
                   const Target target) {
        const int n = NewEntry(kind, kindCount);
        if (n < 0) {
            return nullptr;
        }
        pool[n].Setup(label, target);
        entries[n].item = &pool[n];
        return &pool[n];
    }
    void Layout();

    int visible = 0;
    char title[titleSize] = " :";
    float x = 5.0f;
    float y = 200.0f;
    float width = panelWidth;
    float height = 400.0f;
    Color background;
    int menuCursor = 0;
    Button buttons[maxItems];
    Slider sliders[maxItems];
    CheckBox checkBoxes[maxItems];
    Entry entries[maxItems];
    int buttonCount = 0;
    int sliderCount = 0;
    int checkBoxCount = 0;
    int entryCount = 0;
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    int mouseDown = 0;
    int mouseUp = 0;
    int mouseButton = 0;
    char message[messageSize] = "";
    char toolTipLine[toolTipSize] = "";
};
