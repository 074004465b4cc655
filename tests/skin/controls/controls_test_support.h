#pragma once

// A form on the headless host with the recording drawing services, the control types of the button, the
// switch bar and the combo box registered, and helpers to read what a paint drew.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/button_registration.h"
#include "skin/controls/combo_box_registration.h"
#include "skin/controls/switch_bar_registration.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_control_kinds.h"
#include "skin/core/skin_control_type.h"
#include "skin/draw/draw_canvas.h"
#include "skin/picture/draw_picture.h"
#include "ui/form.h"
#include "ui/graphics.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/recording_canvas.h"

namespace skin::testing {

inline void RegisterControlTypesOnce() {
    static const bool registered = [] {
        RegisterButtonControlTypes();
        RegisterSwitchBarControlTypes();
        RegisterComboBoxControlTypes();
        return true;
    }();
    (void)registered;
}

// Gives a picture pixels of the given size (a size tells the pictures apart in the recorded calls).
inline void GivePixels(TDrawPicture& picture, int width, int height) {
    picture.SetBitmap(std::make_unique<ui::MemoryBitmap>(width, height, 1));
}

inline bool Contains(const std::string& call, const std::string& part) { return call.find(part) != std::string::npos; }

// The calls that contain part, in order.
inline std::vector<std::string> CallsWith(const std::vector<std::string>& calls, const std::string& part) {
    std::vector<std::string> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&](const std::string& c) { return Contains(c, part); });
    return found;
}

// The kind of each call ("DrawBitmap 10x10", "TextLayout", "FillRect"): the first word, with a bitmap's size.
inline std::vector<std::string> CallKinds(const std::vector<std::string>& calls) {
    std::vector<std::string> kinds;
    for (const std::string& call : calls) {
        const size_t space = call.find(' ');
        std::string kind = call.substr(0, space);
        if (kind == "DrawBitmap") kind += " " + call.substr(space + 1, call.find(' ', space + 1) - space - 1);
        kinds.push_back(kind);
    }
    return kinds;
}

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() {
        ui::SetGraphics(&graphics);
        RegisterControlTypesOnce();
        form.SetBounds(0, 0, 400, 300);
    }
    ~ControlsTest() override { ui::SetGraphics(nullptr); }

    // A control of class T owned by the form, placed in parent (the form when nullptr).
    template <class T>
    T* Make(float x, float y, float width, float height, ui::Control* parent = nullptr) {
        T* control = form.template CreateComponent<T>();
        control->SetParent(parent != nullptr ? parent : &form);
        control->SetBounds(x, y, width, height);
        return control;
    }

    // What the control's own type paints (not its children) in a paint with the given interactive flag.
    template <class C>
    static std::vector<std::string> PaintType(C& control, bool interactive = true) {
        ui::RecordingCanvas canvas;
        TSkinControlType* type = control.GetSkinControlType();
        TDrawCanvas& drawCanvas = control.DrawCanvas();
        drawCanvas.Prepare(canvas);
        TPaintData data;
        data.IsDrawInteractiveState = interactive;
        type->Paint(drawCanvas, type->GetPaintCurrentUseMaterial(),
                    {0, 0, static_cast<float>(control.GetWidth()), static_cast<float>(control.GetHeight())}, data);
        drawCanvas.UnPrepare();
        return canvas.calls;
    }

    // What painting the control and its children draws.
    static std::vector<std::string> PaintTree(ui::Control& control) {
        ui::RecordingCanvas canvas;
        control.PaintTree(canvas);
        return canvas.calls;
    }

    ui::RecordingGraphics graphics;
    ui::Form form;
    ui::HeadlessHost host{form};
};

}  // namespace skin::testing
