#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/window/layered_window.h"
#include "platform/win32/window/popup_window.h"
#include "ui/combo_box.h"
#include "ui/dark_style.h"
#include "ui/form.h"
#include "ui/popup_list.h"
#include "ui/stream.h"

namespace platform::win32 {
namespace {

// A plain control that fills itself with one colour.
class Fill : public ui::Control {
public:
    explicit Fill(ui::AlphaColor color) : color_(color) {}
    void Paint(ui::Canvas& canvas) override {
        canvas.Fill() = {ui::BrushKind::Solid, color_, {}};
        canvas.FillRect(LocalRect(), 0, 0, ui::kCornerNone, AbsoluteOpacity());
    }

private:
    ui::AlphaColor color_;
};

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// The installer's window with its folder list: 656 x 376, the list 464 x 30 at 113, 321 of the client area.
class ComboBoxWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnablePerMonitorDpiAwareness(); }

    void SetUp() override {
        graphics = std::make_unique<D2DGraphics>();
        ui::SetGraphics(graphics.get());
        form = std::make_unique<ui::Form>();
        form->SetClientWidth(656);
        form->SetClientHeight(376);
        form->SetCaption(u"Install Velnix");
        auto* background = form->CreateComponent<Fill>(0xFF202020);
        background->SetParent(form.get());
        background->SetBounds(8, 8, 640, 360);
        combo = form->CreateComponent<ui::ComboBox>();
        combo->SetParent(background);
        combo->SetBounds(105, 313, 464, 30);
        combo->SetItemHeight(30);
        combo->SetDropDownKind(ui::DropDownKind::Custom);
        combo->SetPlacement(ui::PopupPlacement::Center);
        combo->SetItems({u"C:\\users\\me\\AppData\\Roaming\\Velnix", u"Z:\\Velnix", u"D:\\Apps"});
        combo->SetItemIndex(1);
        combo->OnChange = [this](ui::Object*) { changes.push_back(combo->ItemIndex()); };
        window = std::make_unique<LayeredWindow>(*form, *graphics);
        window->Show();
        PumpMessages();
    }
    void TearDown() override {
        window.reset();
        form.reset();
        ui::SetGraphics(nullptr);
        graphics.reset();
    }

    HWND PopupHandle() const { return window->Popups() != nullptr ? window->Popups()->Handle() : nullptr; }
    // Device pixels of an item's middle in the popup's client area.
    POINT ItemPoint(int index) const {
        const ui::RectF row = combo->DropDownList()->ItemRect(index);
        const float s = window->Scale();
        return {static_cast<LONG>((row.left + row.right) / 2 * s), static_cast<LONG>((row.top + row.bottom) / 2 * s)};
    }
    static LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

    std::unique_ptr<D2DGraphics> graphics;
    std::unique_ptr<ui::Form> form;
    std::unique_ptr<LayeredWindow> window;
    ui::ComboBox* combo = nullptr;
    std::vector<int> changes;
};

TEST_F(ComboBoxWindowTest, TheListOpensAsATopLevelWindowOfItsOwnOverTheFace) {
    combo->DropDown();
    PumpMessages();
    ASSERT_TRUE(combo->IsDroppedDown());
    const HWND popup = PopupHandle();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(GetAncestor(popup, GA_ROOT), popup) << "not a child of the main window";
    EXPECT_EQ(GetWindow(popup, GW_OWNER), window->Handle());
    const LONG exStyle = GetWindowLongW(popup, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no task bar entry";
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_NE(GetActiveWindow(), popup) << "the main window keeps the activation";
    EXPECT_EQ(GetCapture(), popup) << "the list holds the mouse";

    // The selected (second) row lies over the face: 30-pixel rows in a 1-pixel border, 464 x 92.
    const float s = window->Scale();
    RECT main{};
    GetWindowRect(window->Handle(), &main);
    const float faceLeft = main.left / s + 113;
    const float faceMiddle = main.top / s + 321 + 15;
    RECT rect{};
    GetWindowRect(popup, &rect);
    EXPECT_NEAR(rect.left, faceLeft * s, 1);
    EXPECT_NEAR(rect.top, (faceMiddle - 46) * s, 1);
    EXPECT_NEAR(rect.right - rect.left, 464 * s, 1);
    EXPECT_NEAR(rect.bottom - rect.top, 92 * s, 1);
}

TEST_F(ComboBoxWindowTest, TheListWindowReachesBeyondTheMainWindow) {
    combo->SetPlacement(ui::PopupPlacement::Bottom);
    combo->DropDown();
    PumpMessages();
    RECT main{};
    GetWindowRect(window->Handle(), &main);
    RECT rect{};
    GetWindowRect(PopupHandle(), &rect);
    EXPECT_EQ(rect.top, main.top + static_cast<LONG>(std::lround(351 * window->Scale()))) << "below the face";
    EXPECT_GT(rect.bottom, main.bottom);
    EXPECT_TRUE(IsWindowVisible(PopupHandle()));
}

TEST_F(ComboBoxWindowTest, TheFaceAndTheListWindowShowInTheDarkStyle) {
    // The face: the dark rounded rectangle with the selected item's text.
    const D2DFrame* main = window->Frame();
    const float ms = window->Scale();
    auto onFace = [&](float x, float y) {
        return main->Pixels().At(static_cast<int>((113 + x) * ms), static_cast<int>((321 + y) * ms));
    };
    EXPECT_EQ(onFace(300, 4), ui::dark_style::kComboBoxFill);
    int faceText = 0;
    for (int y = 6; y < 24; ++y) {
        for (int x = 8; x < 80; ++x) {
            if (Channel(onFace(static_cast<float>(x), static_cast<float>(y)), 8) > 0xC0) ++faceText;
        }
    }
    EXPECT_GT(faceText, 5) << "the selected item's text";
    {
        ui::MemoryStream png;
        main->SaveToPng(png);
        std::ofstream(platform::ExecutablePath().parent_path() / "combo_box_face_frame.png", std::ios::binary)
            .write(reinterpret_cast<const char*>(png.Bytes().data()), static_cast<std::streamsize>(png.Bytes().size()));
    }

    combo->DropDown();
    PumpMessages();
    window->Popups()->PaintNow();
    const D2DFrame* frame = window->Popups()->Frame();
    ASSERT_NE(frame, nullptr);
    const float s = window->Scale();
    auto at = [&](float x, float y) { return frame->Pixels().At(static_cast<int>(x * s), static_cast<int>(y * s)); };
    EXPECT_EQ(at(0, 50), ui::dark_style::kListBorder) << "border";
    EXPECT_EQ(at(450, 5), ui::dark_style::kListBackground) << "first row";
    EXPECT_EQ(at(450, 46), ui::dark_style::kListItemHighlight) << "the selected row, highlighted";
    EXPECT_EQ(at(450, 85), ui::dark_style::kListBackground) << "third row";
    // Light text on each row, left of the middle.
    for (int row = 0; row < 3; ++row) {
        int light = 0;
        for (int y = row * 30 + 4; y < row * 30 + 28; ++y) {
            for (int x = 9; x < 60; ++x) {
                if (Channel(at(static_cast<float>(x), static_cast<float>(y)), 8) > 0xC0) ++light;
            }
        }
        EXPECT_GT(light, 5) << "text on row " << row;
    }

    // Kept beside the test for a look by eye.
    ui::MemoryStream png;
    frame->SaveToPng(png);
    std::ofstream(platform::ExecutablePath().parent_path() / "combo_box_list_frame.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.Bytes().data()), static_cast<std::streamsize>(png.Bytes().size()));
}

TEST_F(ComboBoxWindowTest, APressOnTheFaceOpensTheListAndAClickOnAnItemSelectsIt) {
    const float s = window->Scale();
    const LPARAM face = MAKELPARAM(static_cast<int>(300 * s), static_cast<int>(336 * s));
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, face);
    ASSERT_TRUE(combo->IsDroppedDown());
    const HWND popup = PopupHandle();
    EXPECT_EQ(GetCapture(), popup);
    EXPECT_EQ(form->Captured(), nullptr) << "the press went over to the list";
    // The release arrives at the list, which holds the mouse; it lies over the face, on the selected row.
    SendMessageW(popup, WM_LBUTTONUP, 0, At(ItemPoint(1)));
    EXPECT_TRUE(combo->IsDroppedDown());

    SendMessageW(popup, WM_MOUSEMOVE, 0, At(ItemPoint(2)));
    EXPECT_EQ(combo->DropDownList()->HighlightIndex(), 2);
    SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, At(ItemPoint(2)));
    SendMessageW(popup, WM_LBUTTONUP, 0, At(ItemPoint(2)));
    PumpMessages();
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_NE(GetCapture(), popup);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, (std::vector<int>{2}));
}

TEST_F(ComboBoxWindowTest, RealInputSelectsAnItem) {
    combo->DropDown();
    PumpMessages();
    RECT rect{};
    GetWindowRect(PopupHandle(), &rect);
    const POINT item = ItemPoint(0);
    SetCursorPos(rect.left + item.x, rect.top + item.y);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
    for (int i = 0; i < 50 && combo->IsDroppedDown(); ++i) {
        Sleep(10);
        PumpMessages();
    }
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboBoxWindowTest, APressOutsideTheListClosesIt) {
    combo->DropDown();
    PumpMessages();
    const HWND popup = PopupHandle();
    // With the mouse held by the list, a press anywhere arrives there: here above it, over the main window.
    SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, static_cast<WORD>(static_cast<SHORT>(-40))));
    PumpMessages();
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(changes.empty());

    combo->DropDown();
    SendMessageW(window->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(combo->IsDroppedDown()) << "the window lost the activation";

    combo->DropDown();
    ReleaseCapture();
    EXPECT_FALSE(combo->IsDroppedDown()) << "the list lost the mouse";
}

TEST_F(ComboBoxWindowTest, KeysAndTheWheelOfTheWindowGoToTheOpenList) {
    std::vector<std::u16string> items;
    for (int i = 0; i < 20; ++i) items.push_back(u"Folder " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    combo->SetItems(items);
    combo->SetItemIndex(0);
    changes.clear();
    combo->DropDown();
    PumpMessages();
    ui::PopupList* list = combo->DropDownList();
    EXPECT_EQ(list->VisibleRows(), 8);
    RECT main{};
    GetWindowRect(window->Handle(), &main);
    SendMessageW(window->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                 MAKELPARAM(main.left + 300, main.top + 336));
    EXPECT_EQ(list->TopIndex(), 3);
    SendMessageW(window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list->HighlightIndex(), 2);
    EXPECT_EQ(list->TopIndex(), 1) << "the highlight scrolled back into view";
    SendMessageW(window->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);

    combo->SetFocus();
    SendMessageW(window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(combo->ItemIndex(), 3) << "with the list closed, keys go to the focused combo box";
    EXPECT_EQ(changes, (std::vector<int>{2, 3}));
}

TEST_F(ComboBoxWindowTest, ClosingTheWindowClosesTheList) {
    combo->DropDown();
    ASSERT_TRUE(combo->IsDroppedDown());
    window.reset();
    EXPECT_FALSE(combo->IsDroppedDown());
}

}  // namespace
}  // namespace platform::win32
