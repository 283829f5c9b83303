#include "menu/Menu.h"

#include "base/Cursor.h"
#include "base/Settings.h"
#include "legacygl/Gl.h"

#include <cstdio>

namespace {

constexpr float depthStep = 0.1f; // lifts outlines, items and text above the panel
constexpr float lineGap = 15.0f;  // between title, message and tooltip line
constexpr Color outlineColor{0.3f, 0.3f, 0.3f, 1.0f};

} // namespace

Menu::Menu() {
    background.Set(1.0f, 1.0f, 1.0f, 0.3f);
    menuCursor = GLUT_CURSOR_FULL_CROSSHAIR;
}

void Menu::SetTitle(const char* text) {
    std::snprintf(title, sizeof title, "%s", text != nullptr ? text : "");
}

void Menu::SetMessage(const char* text) {
    std::snprintf(message, sizeof message, "%s", text != nullptr ? text : "");
}

void Menu::SetX(const int newX) {
    x = static_cast<float>(newX);
    Layout();
}

void Menu::SetY(const int newY) {
    y = static_cast<float>(newY);
    Layout();
}

void Menu::SetColor(const float r, const float g, const float b, const float a) {
    background.Set(r, g, b, a);
    Layout();
}

int Menu::NewEntry(const ItemKind kind, int& kindCount) {
    if (kindCount < maxItems) {
        ++kindCount;
    }
    if (entryCount == maxItems) {
        return -1;
    }
    const int n = entryCount++;
    entries[n].number = n;
    entries[n].kind = kind;
    return n;
}

Button* Menu::AddButton(const char* label, const Button::Callback callback) {
    return AddEntry(ItemKind::Button, buttonCount, buttons, label, callback);
}

Slider* Menu::AddSlider(const char* name, uint16_t* value) {
    return AddEntry(ItemKind::Slider, sliderCount, sliders, name, value);
}

Slider* Menu::AddSlider(const char* name, int32_t* value) {
    return AddEntry(ItemKind::Slider, sliderCount, sliders, name, value);
}

CheckBox* Menu::AddCheckBox(const char* name, int32_t* value) {
    return AddEntry(ItemKind::CheckBox, checkBoxCount, checkBoxes, name, value);
}

void Menu::Layout() {
    float h = 0.0f;
    for (int i = 0; i < entryCount; ++i) {
        MenuItem* item = entries[i].item;
        item->SetPosition(x + spacing, y + spacing + h);
        h += item->GetHeight() + spacing;
    }
    height = h + spacing;
}

MenuItem* Menu::GetItem(const int n) const {
    if (n < 0 || n >= entryCount) {
        return nullptr;
    }
    return entries[n].item;
}

int Menu::NumberAt(const float px, const float py) const {
    for (int i = 0; i < entryCount; ++i) {
        if (entries[i].item->Contains(px, py)) {
            return i;
        }
    }
    return noItem;
}

MenuItem* Menu::ItemAt(const float px, const float py) const {
    return GetItem(NumberAt(px, py));
}

void Menu::SetMousePosition(const float px, const float py) {
    mouseX = px;
    mouseY = py;
}

void Menu::SetMouseFlags(const int button, const int down, const int up) {
    mouseButton = button;
    mouseDown = down;
    mouseUp = up;
}

int Menu::HandleMouse() {
    toolTipLine[0] = '\0';
    for (int i = 0; i < entryCount; ++i) {
        entries[i].item->SetState(MenuItem::normal);
    }
    Cursor::Set(menuCursor);
    const int number = NumberAt(mouseX, mouseY);
    if (number == noItem) {
        return noItem;
    }
    MenuItem* hit = entries[number].item;
    hit->SetState(MenuItem::highlighted);
    Cursor::Set(hit->GetCursor());
    std::snprintf(toolTipLine, sizeof toolTipLine, "%s", hit->GetToolTip());
    // Any button counts; the shell sets the up flag once per release.
    if (!mouseUp) {
        return noItem;
    }
    hit->Activate(mouseX, mouseY);
    return number;
}

int Menu::Act(const int number, const float dx, const float dy) {
    MenuItem* item = GetItem(number);
    if (item == nullptr) {
        return noItem;
    }
    item->Activate(item->GetX() + dx, item->GetY() + dy);
    return number;
}

void Menu::Draw() {
    if (!visible) {
        return;
    }
    gl::Disable(GL_LIGHTING);
    // Menus lie over the scene, however near its walls are.
    const GLboolean depthTest = gl::IsEnabled(GL_DEPTH_TEST);
    gl::Disable(GL_DEPTH_TEST);
    gl::PushMatrix();
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    MenuItem::DrawFrame(x, y, width, height, background, outlineColor);
    gl::Disable(GL_BLEND);
    gl::PopMatrix();

    gl::PushMatrix();
    gl::Translatef(0.0f, 0.0f, depthStep);
    for (int i = 0; i < entryCount; ++i) {
        entries[i].item->Draw();
    }
    gl::Color3f(1.0f, 1.0f, 1.0f);
    const float textX = x + width / 2.0f;
    const float textY = y + height / 2.0f;
    MenuItem::DrawString(textX, textY, title);
    MenuItem::DrawString(textX, textY + lineGap, message);
    MenuItem::DrawString(textX, textY + 2.0f * lineGap, toolTipLine);
    gl::PopMatrix();
    if (depthTest) {
        gl::Enable(GL_DEPTH_TEST);
    }
    if (settings.lighting) {
        gl::Enable(GL_LIGHTING);
    }
}
