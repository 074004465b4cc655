#include "ui/combo_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "sample_components.h"
#include "ui/dark_style.h"
#include "ui/form.h"
#include "ui/layout_reader.h"
#include "ui/popup_list.h"
#include "ui/style_element.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"
#include "ui/virtual_keys.h"

namespace ui {
namespace {

bool Contains(const std::string& call, const std::string& part) { return call.find(part) != std::string::npos; }

bool HasCall(const std::vector<std::string>& calls, const std::string& part) {
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& c) { return Contains(c, part); });
}

int CountCalls(const std::vector<std::string>& calls, const std::string& part) {
    const auto matches = [&](const std::string& c) { return Contains(c, part); };
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), matches));
}

// A control that counts its clicks (something for an outside press to land on).
class ClickCounter : public Control {
public:
    int clicks = 0;
    void Click() override {
        ++clicks;
        Control::Click();
    }
};

// The installer's arrangement: a 656 x 376 window centred on a 1280 x 800 screen (client origin 312, 212),
// the folder list 464 x 30 at 113, 321 of the client area (105, 18 inside a panel at 8, 303), rows of 30 pixels
// placed centred.
class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest() {
        SetGraphics(&graphics);
        form.SetBounds(0, 0, 656, 376);
        host.screenOrigin = {312, 212};
        host.workArea = {0, 0, 1280, 800};
        panel = form.CreateComponent<Control>();
        panel->SetParent(&form);
        panel->SetBounds(8, 303, 640, 65);
        panel->OnMouseWheel = [this](Object*, ShiftState, int, bool&) { ++panelWheels; };
        combo = form.CreateComponent<ComboBox>();
        combo->SetName(u"DriveComboBox");
        combo->SetParent(panel);
        combo->SetBounds(105, 18, 464, 30);
        combo->SetItemHeight(30);
        combo->SetDropDownKind(DropDownKind::Custom);
        combo->SetPlacement(PopupPlacement::Center);
        combo->SetItems({u"C:\\users\\me\\AppData\\Roaming\\Velnix", u"Z:\\Velnix", u"D:\\Apps"});
        combo->OnChange = [this](Object*) { changes.push_back(combo->ItemIndex()); };
        combo->OnPopup = [this](Object*) { ++popups; };
        combo->OnClosePopup = [this](Object*) { ++closes; };
        button = form.CreateComponent<ClickCounter>();
        button->SetParent(&form);
        button->SetBounds(10, 10, 40, 40);
    }

    ~ComboBoxTest() override { SetGraphics(nullptr); }

    // The client point (of the main window) over the middle of an item of the open list.
    PointF OverItem(int index) const {
        const PopupList* list = combo->DropDownList();
        const RectF row = list->ItemRect(index);
        const RectF& popup = host.PopupRect();
        return {popup.left + (row.left + row.right) / 2 - host.screenOrigin.x,
                popup.top + (row.top + row.bottom) / 2 - host.screenOrigin.y};
    }
    // The middle of the combo box's face in client coordinates.
    PointF OverFace() const { return {113 + 232, 321 + 15}; }

    RecordingGraphics graphics;
    Form form;
    HeadlessHost host{form};
    Control* panel = nullptr;
    ComboBox* combo = nullptr;
    ClickCounter* button = nullptr;
    std::vector<int> changes;
    int popups = 0;
    int closes = 0;
    int panelWheels = 0;
};

TEST_F(ComboBoxTest, SelectionFollowsTheRulesAndReportsOnlyChanges) {
    ComboBox box;
    std::vector<int> reported;
    box.OnChange = [&](Object*) { reported.push_back(box.ItemIndex()); };
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), u"");
    EXPECT_EQ(box.Width(), 100);
    EXPECT_EQ(box.Height(), 22);

    box.SetItems({u"a", u"b", u"c"});
    EXPECT_TRUE(reported.empty()) << "nothing was selected, nothing changed";
    struct Step {
        const char* what;
        int set;
        int expected;
    };
    const Step steps[] = {
        {"select 1", 1, 1},   {"again 1", 1, 1},    {"past the end", 3, -1}, {"select 2", 2, 2},
        {"below -1", -5, -1}, {"-1 again", -1, -1}, {"select 0", 0, 0},
    };
    std::vector<int> expectedReports;
    int previous = -1;
    for (const Step& step : steps) {
        box.SetItemIndex(step.set);
        EXPECT_EQ(box.ItemIndex(), step.expected) << step.what;
        if (step.expected != previous) expectedReports.push_back(step.expected);
        previous = step.expected;
    }
    EXPECT_EQ(reported, expectedReports);
    EXPECT_EQ(box.Text(), u"a");

    reported.clear();
    box.SetText(u"c");
    EXPECT_EQ(box.ItemIndex(), 2);
    box.SetText(u"absent");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), u"");
    EXPECT_EQ(reported, (std::vector<int>{2, -1}));
    EXPECT_THROW(box.Item(3), std::out_of_range);
    EXPECT_THROW(box.InsertItem(4, u"x"), std::out_of_range);
    EXPECT_THROW(box.DeleteItem(-1), std::out_of_range);
}

TEST_F(ComboBoxTest, EditingTheItemsKeepsTheSelectedItemUntilItGoes) {
    combo->SetItemIndex(1);  // "Z:\Velnix"
    changes.clear();
    combo->InsertItem(0, u"E:\\");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), u"Z:\\Velnix");
    combo->DeleteItem(0);
    EXPECT_EQ(combo->Text(), u"Z:\\Velnix");
    combo->AddItem(u"X:\\Browsed");
    combo->SetItem(3, u"Y:\\Browsed again");
    EXPECT_EQ(combo->Count(), 4);
    EXPECT_EQ(combo->Item(3), u"Y:\\Browsed again");
    EXPECT_TRUE(changes.empty()) << "the same item stayed selected";

    // The browse rule of the installer: append (or replace the last) and select the last entry.
    combo->SetItemIndex(combo->Count() - 1);
    EXPECT_EQ(combo->Text(), u"Y:\\Browsed again");
    combo->DeleteItem(3);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(0);
    combo->ClearItems();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Count(), 0);
    EXPECT_EQ(changes, (std::vector<int>{3, -1, 0, -1}));
}

TEST_F(ComboBoxTest, KeysChangeTheSelectionWhileTheListIsClosed) {
    ASSERT_TRUE(combo->SetFocus());
    struct Case {
        int start;
        uint16_t key;
        bool alt;
        int expected;
        bool opens;
    };
    const Case cases[] = {
        {0, vk::kDown, false, 1, false}, {2, vk::kDown, false, 2, false}, {-1, vk::kDown, false, 0, false},
        {2, vk::kUp, false, 1, false},   {0, vk::kUp, false, 0, false},   {-1, vk::kUp, false, 0, false},
        {1, vk::kHome, false, 0, false}, {0, vk::kEnd, false, 2, false},  {1, vk::kF4, false, 1, true},
        {1, vk::kDown, true, 1, true},   {1, vk::kUp, true, 1, true},     {1, vk::kReturn, false, 1, true},
        {1, vk::kSpace, false, 1, true},
    };
    for (const Case& c : cases) {
        combo->SetItemIndex(c.start);
        ShiftState shift;
        if (c.alt) shift.Include(ShiftKey::Alt);
        const uint16_t left = host.KeyDown(c.key, 0, shift);
        EXPECT_EQ(left, 0) << "key " << c.key << " is consumed";
        EXPECT_EQ(combo->ItemIndex(), c.expected) << "key " << c.key << " from " << c.start;
        EXPECT_EQ(combo->IsDroppedDown(), c.opens) << "key " << c.key;
        combo->CloseDropDown();
    }
    EXPECT_EQ(host.KeyDown('A'), 'A') << "other keys pass on";

    combo->ClearItems();
    host.KeyDown(vk::kDown);
    EXPECT_EQ(combo->ItemIndex(), -1) << "nothing to select in an empty list";
}

TEST_F(ComboBoxTest, TheWheelOverTheFaceStepsThroughTheItems) {
    const PointF face = OverFace();
    struct Case {
        int start;
        int delta;
        int expected;
    };
    const Case cases[] = {{0, -120, 1}, {2, -120, 2}, {2, 120, 1}, {0, 120, 0}, {-1, -120, 0}, {-1, 120, 0}};
    for (const Case& c : cases) {
        combo->SetItemIndex(c.start);
        host.Wheel(face.x, face.y, c.delta);
        EXPECT_EQ(combo->ItemIndex(), c.expected) << c.start << " by " << c.delta;
    }
    EXPECT_EQ(panelWheels, 0) << "the combo box handles the wheel itself";
    combo->ClearItems();
    host.Wheel(face.x, face.y, -120);
    EXPECT_EQ(panelWheels, 1) << "an empty list lets the wheel go on";
}

TEST_F(ComboBoxTest, TheListOpensInItsOwnWindowWhereThePlacementPutsIt) {
    // The face lies at 425, 533 .. 889, 563 on the screen; three rows of 30 in a 1-pixel border: 92 high.
    struct Case {
        const char* what;
        PopupPlacement placement;
        int selected;
        RectF workArea;
        RectF expected;
    };
    const RectF screen{0, 0, 1280, 800};
    const Case cases[] = {
        {"centre, first item over the face", PopupPlacement::Center, 0, screen, {425, 532, 889, 624}},
        {"centre, second item over the face", PopupPlacement::Center, 1, screen, {425, 502, 889, 594}},
        {"centre, third item over the face", PopupPlacement::Center, 2, screen, {425, 472, 889, 564}},
        {"centre, nothing selected: list centred", PopupPlacement::Center, -1, screen, {425, 502, 889, 594}},
        {"centre, held in above", PopupPlacement::Center, 2, {0, 500, 1280, 800}, {425, 500, 889, 592}},
        {"centre, held in below", PopupPlacement::Center, 0, {0, 0, 1280, 600}, {425, 508, 889, 600}},
        {"centre, held in at the right", PopupPlacement::Center, 0, {0, 0, 800, 800}, {336, 532, 800, 624}},
        {"bottom", PopupPlacement::Bottom, 1, screen, {425, 563, 889, 655}},
        {"bottom without room: above", PopupPlacement::Bottom, 1, {0, 0, 1280, 600}, {425, 441, 889, 533}},
        {"top", PopupPlacement::Top, 1, screen, {425, 441, 889, 533}},
        {"top without room: below", PopupPlacement::Top, 1, {0, 500, 1280, 800}, {425, 563, 889, 655}},
    };
    for (const Case& c : cases) {
        host.workArea = c.workArea;
        combo->SetPlacement(c.placement);
        combo->SetItemIndex(c.selected);
        combo->DropDown();
        ASSERT_TRUE(combo->IsDroppedDown()) << c.what;
        EXPECT_EQ(host.PopupRect(), c.expected) << c.what;
        const PopupList* list = combo->DropDownList();
        EXPECT_EQ(host.OpenedPopup(), list);
        EXPECT_EQ(list->Width(), 464);
        EXPECT_EQ(list->Height(), 92);
        EXPECT_EQ(list->SelectedIndex(), c.selected);
        EXPECT_EQ(list->HighlightIndex(), c.selected);
        combo->CloseDropDown();
        EXPECT_EQ(host.OpenedPopup(), nullptr);
    }
    EXPECT_EQ(popups, static_cast<int>(std::size(cases)));
    EXPECT_EQ(closes, popups);
}

TEST_F(ComboBoxTest, ALongListShowsDropDownCountRowsAndScrolls) {
    std::vector<std::u16string> items;
    for (int i = 0; i < 20; ++i) items.push_back(u"Folder " + Utf8ToUtf16(std::to_string(i)));
    combo->SetItems(items);
    combo->SetItemIndex(12);
    combo->DropDown();
    PopupList* list = combo->DropDownList();
    ASSERT_TRUE(combo->IsDroppedDown());
    EXPECT_EQ(list->VisibleRows(), 8);
    EXPECT_EQ(list->Height(), 8 * 30 + 2);
    EXPECT_EQ(list->TopIndex(), 5) << "the selected item scrolled into view";
    const RectF row = list->ItemRect(12);
    EXPECT_EQ(host.PopupRect().top + (row.top + row.bottom) / 2, 548) << "the selected item over the face";

    host.Wheel(OverItem(12).x, OverItem(12).y, 120);
    EXPECT_EQ(list->TopIndex(), 2) << "three rows per notch";
    host.Wheel(OverItem(5).x, OverItem(5).y, 20);
    host.Wheel(OverItem(5).x, OverItem(5).y, 20);
    EXPECT_EQ(list->TopIndex(), 1) << "part notches add up";
    host.Wheel(OverItem(5).x, OverItem(5).y, 1200);
    EXPECT_EQ(list->TopIndex(), 0);
    host.Wheel(OverItem(5).x, OverItem(5).y, -2400);
    EXPECT_EQ(list->TopIndex(), 12);
    EXPECT_EQ(combo->ItemIndex(), 12) << "scrolling the list does not select";

    const PointF first = OverItem(12);
    host.Click(first.x, first.y);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 12);
    combo->SetItemIndex(0);
    combo->DropDown();
    host.Wheel(OverFace().x, OverFace().y, -240);
    const PointF ninth = OverItem(9);
    host.Click(ninth.x, ninth.y);
    EXPECT_EQ(combo->ItemIndex(), 9);

    // A small screen holds fewer rows.
    host.workArea = {0, 450, 1280, 620};
    combo->DropDown();
    EXPECT_EQ(list->VisibleRows(), 5);
    EXPECT_GE(host.PopupRect().top, 450);
    EXPECT_LE(host.PopupRect().bottom, 620);
}

TEST_F(ComboBoxTest, APressOnTheFaceOpensTheListAndHandsThePressOver) {
    int faceClicks = 0;
    combo->OnClick = [&](Object*) { ++faceClicks; };
    combo->SetItemIndex(0);
    changes.clear();
    const PointF face = OverFace();
    host.MouseMove(face.x, face.y);
    host.MouseDown(face.x, face.y);
    ASSERT_TRUE(combo->IsDroppedDown());
    EXPECT_TRUE(combo->IsFocused());
    EXPECT_FALSE(combo->IsPressed());
    EXPECT_EQ(form.Captured(), nullptr);
    EXPECT_FALSE(host.mouseCaptured);
    // The release lands on the first item, which lies over the face: that is no click on the item.
    host.MouseUp(face.x, face.y);
    EXPECT_TRUE(combo->IsDroppedDown());
    EXPECT_EQ(faceClicks, 0);
    EXPECT_TRUE(changes.empty());

    const PointF third = OverItem(2);
    host.MouseMove(third.x, third.y);
    EXPECT_EQ(combo->DropDownList()->HighlightIndex(), 2) << "the highlight follows the pointer";
    host.MouseDown(third.x, third.y);
    host.MouseUp(third.x, third.y);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, (std::vector<int>{2}));
    EXPECT_EQ(closes, 1);
    changes.clear();

    // A press in the list chooses the item it is released on; released outside the list, nothing.
    combo->DropDown();
    host.MouseDown(OverItem(0).x, OverItem(0).y);
    host.MouseUp(OverItem(1).x, OverItem(1).y);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->DropDown();
    host.MouseDown(OverItem(0).x, OverItem(0).y);
    host.MouseUp(20, 20);
    EXPECT_TRUE(combo->IsDroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    // A press cut short by the list closing does not carry over to the next opening.
    host.MouseDown(OverItem(0).x, OverItem(0).y);
    combo->CloseDropDown();
    combo->DropDown();
    host.MouseUp(OverItem(0).x, OverItem(0).y);
    EXPECT_TRUE(combo->IsDroppedDown());
    EXPECT_EQ(changes, (std::vector<int>{1}));
}

TEST_F(ComboBoxTest, APressOutsideTheListClosesItAndGoesNoFurther) {
    combo->SetItemIndex(1);
    changes.clear();
    combo->DropDown();
    host.Click(20, 20);  // over the button
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(button->clicks, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(changes.empty());
    host.Click(20, 20);
    EXPECT_EQ(button->clicks, 1) << "with the list closed the window has its input again";

    // Below the face the list does not cover it: a press on the face closes the list, it does not reopen.
    combo->SetPlacement(PopupPlacement::Bottom);
    combo->DropDown();
    host.Click(OverFace().x, OverFace().y);
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(host.popupsOpened, 2);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, TheKeyboardDrivesTheOpenList) {
    struct Case {
        const char* what;
        std::vector<uint16_t> keys;
        int expected;
        bool open;
    };
    const Case cases[] = {
        {"down, down, enter", {vk::kDown, vk::kDown, vk::kReturn}, 2, false},
        {"down past the end", {vk::kDown, vk::kDown, vk::kDown, vk::kReturn}, 2, false},
        {"up from the selection", {vk::kUp, vk::kReturn}, 0, false},
        {"end, enter", {vk::kEnd, vk::kReturn}, 2, false},
        {"home, enter", {vk::kHome, vk::kReturn}, 0, false},
        {"highlight only", {vk::kDown}, 1, true},
        {"escape drops the highlight", {vk::kDown, vk::kEscape}, 1, false},
        {"F4 closes", {vk::kEnd, vk::kF4}, 1, false},
        {"tab closes", {vk::kEnd, vk::kTab}, 1, false},
    };
    for (const Case& c : cases) {
        combo->SetItemIndex(1);
        combo->DropDown();
        for (uint16_t key : c.keys) EXPECT_EQ(host.KeyDown(key), 0) << c.what;
        EXPECT_EQ(combo->ItemIndex(), c.expected) << c.what;
        EXPECT_EQ(combo->IsDroppedDown(), c.open) << c.what;
        combo->CloseDropDown();
    }
    combo->SetItemIndex(1);
    combo->DropDown();
    host.KeyDown(vk::kUp, 0, ShiftState{ShiftKey::Alt});
    EXPECT_FALSE(combo->IsDroppedDown()) << "Alt+Up closes";
}

TEST_F(ComboBoxTest, TheListOpensOnlyWhereItCan) {
    combo->SetEnabled(false);
    combo->DropDown();
    EXPECT_FALSE(combo->IsDroppedDown());
    combo->SetEnabled(true);
    panel->SetVisible(false);
    combo->DropDown();
    EXPECT_FALSE(combo->IsDroppedDown());
    panel->SetVisible(true);

    // A host without popups.
    class PlainHost : public HeadlessHost {
    public:
        using HeadlessHost::HeadlessHost;
        bool OpenPopup(Popup&, const RectF&) override { return false; }
    };
    Form other;
    other.SetBounds(0, 0, 200, 100);
    PlainHost plain(other);
    auto* box = other.CreateComponent<ComboBox>();
    box->SetParent(&other);
    box->SetItems({u"a"});
    box->DropDown();
    EXPECT_FALSE(box->IsDroppedDown());
    plain.Click(50, 10);
    EXPECT_FALSE(box->IsPressed()) << "the press ends normally when no list opened";
    EXPECT_EQ(other.Captured(), nullptr);
}

TEST_F(ComboBoxTest, ChangingTheItemsOrFreeingTheControlClosesTheList) {
    combo->DropDown();
    combo->AddItem(u"E:\\");
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(closes, 1);

    combo->DropDown();
    form.FreeComponent(combo);
    EXPECT_EQ(host.OpenedPopup(), nullptr);
    EXPECT_EQ(closes, 1) << "no events from a control that goes away";
}

TEST_F(ComboBoxTest, TheHostGoingAwayClosesTheList) {
    auto temporary = std::make_unique<HeadlessHost>(form);
    combo->DropDown();
    ASSERT_TRUE(combo->IsDroppedDown());
    temporary.reset();
    EXPECT_FALSE(combo->IsDroppedDown());
    EXPECT_EQ(closes, 1);
}

TEST_F(ComboBoxTest, ASelectionChangeRepaintsTheFace) {
    RecordingCanvas canvas;
    host.Paint(canvas);  // builds the style
    host.invalidated.clear();
    combo->SetItemIndex(1);
    const RectF face{113, 321, 577, 351};
    EXPECT_TRUE(std::any_of(host.invalidated.begin(), host.invalidated.end(), [&](const RectF& r) {
        return r.left <= face.left && r.top <= face.top && r.right >= face.right && r.bottom >= face.bottom;
    }));
}

TEST_F(ComboBoxTest, TheDefaultFaceIsDarkWithTheSelectedItemAndAnArrow) {
    combo->SetItemIndex(1);
    RecordingCanvas canvas;
    host.Paint(canvas);
    const StyleElement* background = combo->FindStyleElement(u"background");
    ASSERT_NE(background, nullptr);
    EXPECT_FALSE(background->HitTest());
    EXPECT_EQ(background->LocalRect(), (RectF{0, 0, 464, 30}));
    EXPECT_EQ(form.ObjectAtPoint(OverFace()), combo) << "the style elements take no mouse";
    EXPECT_TRUE(HasCall(canvas.calls, "FillRect 0,0,464,30 r=4,4 c=15 o=1 fill=solid:FF2F2F2F"));
    EXPECT_TRUE(HasCall(canvas.calls, "'Z:\\Velnix' font=Test Sans/14/0 o=1 leading/center fill=solid:FFFFFFFF"));
    EXPECT_EQ(CountCalls(canvas.calls, "DrawLine"), 2) << "the arrow";

    combo->SetItemIndex(-1);
    canvas.calls.clear();
    host.Paint(canvas);
    EXPECT_FALSE(HasCall(canvas.calls, "FillText"));
    combo->SetItemIndex(0);
    combo->SetEnabled(false);
    canvas.calls.clear();
    host.Paint(canvas);
    EXPECT_TRUE(HasCall(canvas.calls, "fill=solid:FF7A7A7A")) << "grey text while disabled";

    combo->SetSize(300, 40);
    EXPECT_EQ(background->LocalRect(), (RectF{0, 0, 300, 40})) << "the style follows the size";
}

// A combo box that paints its own face, the way a skin takes the style over.
class SkinnedComboBox : public ComboBox {
public:
    int applied = 0;
    std::vector<RectF> painted;

protected:
    void ApplyStyle() override {
        ComboBox::ApplyStyle();
        ++applied;
        StyleElement* background = FindStyleElement(u"background");
        background->Blank();
        background->OnPainting = [this](Object*, Canvas& canvas, const RectF&) {
            painted.push_back(LocalRect());
            canvas.Fill() = {BrushKind::Solid, 0xFF123456, {}};
            canvas.FillRect(LocalRect(), 0, 0, kCornerNone, 1);
        };
        FreeStyleElement(FindStyleElement(u"arrow"));
        SetPaintsSelectedItem(false);
    }
};

TEST_F(ComboBoxTest, ASkinPaintsTheFaceOnTheBackgroundElement) {
    auto* skinned = form.CreateComponent<SkinnedComboBox>();
    skinned->SetParent(panel);
    skinned->SetBounds(105, 18, 464, 30);
    skinned->SetItems({u"C:\\", u"Z:\\"});
    skinned->SetItemIndex(1);
    RecordingCanvas canvas;
    host.Paint(canvas);
    EXPECT_EQ(skinned->applied, 1);
    ASSERT_EQ(skinned->painted.size(), 1u);
    EXPECT_EQ(skinned->painted[0], (RectF{0, 0, 464, 30}));
    EXPECT_TRUE(HasCall(canvas.calls, "fill=solid:FF123456"));
    EXPECT_FALSE(HasCall(canvas.calls, "'Z:\\'")) << "no text of the selected item from the style";
    EXPECT_EQ(skinned->FindStyleElement(u"arrow"), nullptr);
    EXPECT_EQ(skinned->FindStyleElement(u"arrowglyph"), nullptr) << "freed with its layout";
    EXPECT_NE(skinned->FindStyleElement(u"content"), nullptr);
    const int owned = skinned->ComponentCount();

    // Applying the style again replaces the tree.
    skinned->NeedStyleLookup();
    EXPECT_EQ(skinned->applied, 2);
    EXPECT_EQ(skinned->ComponentCount(), owned);
    canvas.calls.clear();
    skinned->painted.clear();
    host.Paint(canvas);
    EXPECT_EQ(skinned->painted.size(), 1u);
}

TEST_F(ComboBoxTest, TheListPaintsItsRowsInTheDarkStyle) {
    combo->SetItemIndex(1);
    combo->DropDown();
    HeadlessHost* popupHost = host.PopupHost();
    ASSERT_NE(popupHost, nullptr);
    RecordingCanvas canvas;
    popupHost->Paint(canvas);
    EXPECT_TRUE(HasCall(canvas.calls, "FillRect 0,0,464,92 r=0,0 c=0 o=1 fill=solid:FF2B2B2B"));
    EXPECT_TRUE(HasCall(canvas.calls, "FillRect 1,31,463,61 r=0,0 c=0 o=1 fill=solid:FF0092CA"))
        << "the selected row highlighted";
    EXPECT_TRUE(HasCall(canvas.calls, "FillText 9,1,455,31 'C:\\users\\me\\AppData\\Roaming\\Velnix'"));
    EXPECT_TRUE(HasCall(canvas.calls,
                        "FillText 9,31,455,61 'Z:\\Velnix' font=Test Sans/14/0 o=1 leading/center "
                        "fill=solid:FFFFFFFF"));
    EXPECT_TRUE(HasCall(canvas.calls, "DrawRect 0.5,0.5,463.5,91.5 r=0,0 c=0 o=1 stroke=FF3F3F3F w=1"));
    EXPECT_FALSE(HasCall(canvas.calls, "FF5A5A5A")) << "no scroll thumb when everything fits";

    host.MouseMove(OverItem(2).x, OverItem(2).y);
    canvas.calls.clear();
    popupHost->Paint(canvas);
    EXPECT_TRUE(HasCall(canvas.calls, "FillRect 1,31,463,61 r=0,0 c=0 o=1 fill=solid:FF3A3A3A"))
        << "the selected row while the pointer is elsewhere";
    EXPECT_TRUE(HasCall(canvas.calls, "FillRect 1,61,463,91 r=0,0 c=0 o=1 fill=solid:FF0092CA"));

    std::vector<std::u16string> many(12, u"x");
    combo->SetItems(many);
    combo->DropDown();
    canvas.calls.clear();
    host.PopupHost()->Paint(canvas);
    EXPECT_TRUE(HasCall(canvas.calls, "fill=solid:FF5A5A5A")) << "a scroll thumb";
}

TEST(ComboBoxLayoutTest, ALayoutSetsTheDropDownSettingsAndBindsOnChange) {
    using ui::testing::SampleForm;
    SampleForm form;
    ReadLayout(
        "object Main: TSampleForm\n"
        "  object DriveComboBox: TComboBox\n"
        "    Position.X = 105\n"
        "    Position.Y = 18\n"
        "    Width = 464\n"
        "    Height = 30\n"
        "    ItemHeight = 30\n"
        "    DropDownKind = Custom\n"
        "    Placement = Center\n"
        "    DropDownCount = 6\n"
        "    ItemIndex = -1\n"
        "    OnChange = ItemChange\n"
        "  end\n"
        "end\n",
        form, ui::testing::SampleRegistry());
    auto* combo = dynamic_cast<ComboBox*>(form.FindComponent(u"DriveComboBox"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->ItemHeight(), 30);
    EXPECT_EQ(combo->DropDownKind(), DropDownKind::Custom);
    EXPECT_EQ(combo->Placement(), PopupPlacement::Center);
    EXPECT_EQ(combo->DropDownCount(), 6);
    EXPECT_EQ(combo->Width(), 464);
    EXPECT_NE(combo->FindStyleElement(u"background"), nullptr) << "the style is applied once loaded";
    combo->SetItems({u"C:\\", u"Z:\\"});
    combo->SetItemIndex(0);
    EXPECT_EQ(form.calls, (std::vector<std::u16string>{u"ItemChange DriveComboBox"}));
    EXPECT_TRUE(GlobalClassRegistry().Contains(u"TComboBox"));
}

}  // namespace
}  // namespace ui
